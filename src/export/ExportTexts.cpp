#include "export/ExportTexts.h"

#include "format/NumberWriter.h"
#include "format/TextTrim.h"
#include "interpret/TriggerMoment.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

std::string Field(const HeaderRecord* record, int field)
{
    return record != nullptr ? TrimBoth(FieldText(*record, field)) : std::string();
}

bool HasMainRecord(const CWaveHeadInfo& head)
{
    return head.GetHeaderFamily() != HeaderFamily::Family4;
}

// Families 4, 7 and 8 keep ratio and offset as binary numbers (or hex
// doubles) rather than as texts.
bool StoresScalingText(const CWaveHeadInfo& head)
{
    const HeaderFamily family = head.GetHeaderFamily();
    return family != HeaderFamily::Family4 && family != HeaderFamily::Family7 && family != HeaderFamily::Family8;
}

// Every digit the file holds, with the locale's separator like every other
// number of the file; family 4 keeps single-precision floats.
std::string PrintedNumber(const CWaveHeadInfo& head, double value)
{
    return head.GetHeaderFamily() == HeaderFamily::Family4 ? FormatShortest(static_cast<float>(value))
                                                           : FormatShortest(value);
}

} // namespace

std::string RecordTitle(const CWaveHeadInfo& head)
{
    return HasMainRecord(head) ? TrimBoth(FieldText(head.MainRecord(), exporttext::kTitleField)) : std::string();
}

std::string TriggerDateText(const CWaveHeadInfo& head)
{
    return HasMainRecord(head) ? TrimBoth(FieldText(head.MainRecord(), exporttext::kTrigDateField)) : "-";
}

std::string TriggerTimeText(const CWaveHeadInfo& head)
{
    return HasMainRecord(head) ? TrimBoth(FieldText(head.MainRecord(), exporttext::kTrigTimeField)) : "-";
}

DateTime TriggerMoment(const CWaveHeadInfo& head)
{
    return ReadTriggerMoment(head).value_or(DateTime());
}

std::string AnalogComment(const CWaveHeadInfo& head, int ch)
{
    return Field(head.ChannelHeader(ch), exporttext::kCommentField);
}

std::string FloatComment(const CWaveHeadInfo& head, int z)
{
    return Field(head.FloatHeader(z), exporttext::kCommentField);
}

std::string PulseComment(const CWaveHeadInfo& head, int p)
{
    return Field(head.PulseHeader(p), exporttext::kCommentField);
}

std::string LogicUnitComment(const CWaveHeadInfo& head, int unit)
{
    return Field(head.LogicHeader(unit), exporttext::kCommentField);
}

std::string AmplifierText(const CWaveHeadInfo& head, int ch)
{
    const std::string text = Field(head.ChannelHeader(ch), exporttext::kModuleField);
    return text.empty() ? "-" : text;
}

std::string FloatUnitText(const CWaveHeadInfo& head, int z)
{
    return Field(head.FloatHeader(z), exporttext::kFloatUnitField);
}

std::string ScalingRatioText(const CWaveHeadInfo& head, int ch)
{
    const int field = head.GetHeaderFamily() == HeaderFamily::Family0 ? 39 : exporttext::kRatioField;
    const std::string stored
        = head.IsScalingOn(ch) && StoresScalingText(head) ? Field(head.ChannelHeader(ch), field) : std::string();
    return stored.empty() ? PrintedNumber(head, head.GetScalingRatio(ch)) : stored;
}

std::string ScalingOffsetText(const CWaveHeadInfo& head, int ch)
{
    const int field = head.GetHeaderFamily() == HeaderFamily::Family0 ? 40 : exporttext::kOffsetField;
    const std::string stored
        = head.IsScalingOn(ch) && StoresScalingText(head) ? Field(head.ChannelHeader(ch), field) : std::string();
    return stored.empty() ? PrintedNumber(head, head.GetScalingOffset(ch)) : stored;
}

} // namespace kp
