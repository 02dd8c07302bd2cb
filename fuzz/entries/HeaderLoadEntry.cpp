#include "FuzzEntries.h"

#include <span>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/SampleLayout.h"

namespace kp::fuzz {

namespace {

// Everything the properties, trace and export windows ask of one channel.
void TouchChannel(const CWaveHeadInfo& head, int ch)
{
    (void)head.GetChannelDataCount(ch);
    (void)head.GetChannelSavePosition(ch);
    (void)head.GetModuleKind(ch);
    (void)head.GetRangePerDiv(ch);
    (void)head.GetCodesPerDiv(ch);
    (void)head.GetDisplayCodesPerDiv(ch);
    (void)head.GetVernier(ch);
    (void)head.GetProbeRatio(ch);
    (void)head.GetInvertSign(ch);
    (void)head.GetValuePerCode(ch);
    (void)head.GetOffsetValue(ch);
    (void)head.IsScalingOn(ch);
    (void)head.GetScalingRatio(ch);
    (void)head.GetScalingOffset(ch);
    (void)head.GetZeroCode(ch);
    (void)head.IsCalcChannel(ch);
    (void)head.IsZeroReferenced(ch);
    (void)head.IsCountMode(ch);
    (void)head.IsWideChannel(ch);
    (void)head.GetSampleBits(ch);
    (void)head.GetDisplayDigits(ch);
    (void)head.GetCalcValuePerCode(ch);
    (void)head.GetCalcOffset(ch);
    for (const std::uint16_t code :
        { std::uint16_t { 0 }, std::uint16_t { 0x7FFF }, std::uint16_t { 0x8000 }, std::uint16_t { 0xFFFF } })
        (void)head.GetPhysicalValue(ch, code);
    (void)head.GetPhysicalValueWide(ch, 0xFFFFFFFFu);
    (void)head.GetRangeText(ch);
    (void)head.GetModeText(ch);
    (void)head.GetScalingText(ch);
    (void)head.GetUnitText(ch);
    for (int style = 0; style <= 3; ++style)
        (void)head.GetChannelName(ch, style);
    (void)head.GetChannelNameWithUnit(ch);
    (void)head.GetChannelMarker(ch);
    (void)head.GetTriggerKind(ch);
    for (const bool primary : { false, true }) {
        (void)head.GetTriggerFilter(ch, primary);
        (void)head.GetTriggerLevel(ch, primary);
    }
    (void)head.GetTriggerSettingText(ch);
}

} // namespace

void RunHeaderLoad(const std::uint8_t* data, std::size_t size)
{
    CWaveHeadInfo head;
    try {
        if (!head.Load(std::span<const std::uint8_t>(data, size)))
            return;
    } catch (const ShortReadError&) {
        return;
    }
    (void)head.GetDataLength();
    (void)DescribeSamples(head);
    (void)head.GetModelName();
    (void)head.GetModelName(true, true);
    (void)head.GetInstrumentNumber();
    (void)head.GetFunctionMode();
    (void)head.GetFunctionText();
    (void)head.GetShotText();
    (void)head.GetTimePerDiv();
    (void)head.GetTimeAxisDataNum(false);
    (void)head.GetTimeAxisDataNum(true);
    (void)head.IsExternalSampling();
    (void)head.GetTimePerDivText();
    (void)head.GetSamplingInterval();
    (void)head.GetTriggerMode();
    (void)head.GetPreTriggerText();
    for (int item = 0; item < 14; ++item)
        (void)head.GetSystemSettingText(item);
    (void)head.GetWaveFormatIndex();
    (void)head.GetScreenFlag();
    (void)head.GetTriggerPoint();
    (void)head.GetPostTriggerPoint();

    // Channels with a header record of their own, and the first few (which
    // the view asks for whatever the file names).
    for (int ch = 0; ch < kAnalogSlots; ++ch)
        if (ch < 4 || head.ChannelHeader(ch) != nullptr || head.ChannelHeader02(ch) != nullptr)
            TouchChannel(head, ch);
    for (int p = 0; p < kPulseSlots; ++p) {
        (void)head.GetPulseScale(p);
        (void)head.GetPulseValue(p, 0xFFFF);
        (void)head.GetPulseUnitText(p);
        (void)head.GetPulseChannelName(p);
    }
    for (int z = 0; z < kFloatSlots; ++z)
        if (z < 2 || head.FloatHeader(z) != nullptr)
            (void)head.GetFloatChannelName(z);
    for (int l = 0; l < kLogicUnits; ++l) {
        if (l >= 4 && head.LogicHeader(l) == nullptr)
            continue;
        for (int style = 0; style <= 5; ++style)
            (void)head.GetLogicChannelName(l, style);
        (void)head.GetLogicUnitMarker(l);
        (void)head.GetLogicSavePosition(l);
    }
}

} // namespace kp::fuzz
