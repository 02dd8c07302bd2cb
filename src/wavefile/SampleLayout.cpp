#include "wavefile/SampleLayout.h"

#include <algorithm>

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/HeaderRecord.h"
#include "wavefile/OldHeader.h"

namespace kp {

namespace {

int Clamp(long long value, int limit)
{
    return static_cast<int>(std::clamp<long long>(value, 0, limit));
}

// The saved rules of every "HW" family but the oldest: a channel is saved
// when its header record names it and it lies below its count.
void DescribeFromHeaderRecords(const CWaveHeadInfo& head, SampleLayout& layout)
{
    for (int i = 0; i < layout.analogPositions; ++i)
        layout.analogSaved[i] = head.ChannelHeader(i) != nullptr;
    for (int j = 0; j < layout.logicUnits; ++j)
        layout.unitSaved[j] = head.LogicHeader(j) != nullptr;
    for (int k = 0; k < layout.floatCount; ++k)
        layout.floatSaved[k] = head.FloatHeader(k) != nullptr;
    for (int k = 0; k < layout.pulseCount; ++k)
        layout.pulseSaved[k] = head.PulseHeader(k) != nullptr;
}

void DescribeFamily0(const CWaveHeadInfo& head, SampleLayout& layout)
{
    layout.progress = ProgressKind::PerChannel;
    for (int i = 0; i < layout.analogPositions; ++i) {
        int type = Family0ChannelType(head, i);
        layout.analogSaved[i] = type == 1 || type == 3;
        // A logic nibble lands at bits 4i..4i+3 of group 0: eight positions fit.
        if (i < 8)
            layout.unitSaved[i] = type == 2 || type == 3;
    }
}

void DescribeFamily2(const CWaveHeadInfo& head, SampleLayout& layout)
{
    layout.progress = ProgressKind::PerBlockValue;
    for (int i = 0; i < layout.analogPositions; ++i)
        if (layout.analogSaved[i])
            layout.positionPoints[i] = head.GetChannelDataCount(i);
}

void DescribeFamily3(SampleLayout& layout)
{
    // A ring record carries units 0-7 at most.
    for (int j = 8; j < kLogicUnits; ++j)
        layout.unitSaved[j] = false;
}

void DescribeFamily4(const CWaveHeadInfo& head, SampleLayout& layout)
{
    layout.progress = ProgressKind::PerBlockValue;
    auto old = head.OldHeader();
    layout.analogPositions = std::min(layout.analogPositions, oldheader::kMaxChannels);
    for (int i = 0; i < layout.analogPositions; ++i) {
        std::string flag = oldheader::Text(old, oldheader::kSavedFlags + static_cast<std::size_t>(i), 1);
        layout.analogSaved[i] = flag == "1" || flag == "2";
    }
    // Two logic blocks of four units each follow the channel blocks.
    int units = std::min(layout.logicUnits, 8);
    for (int j = 0; j < units; ++j)
        layout.unitSaved[j] = true;
}

} // namespace

int Family0ChannelType(const CWaveHeadInfo& head, int position)
{
    std::string digits = FieldText(head.MainRecord(), 23);
    if (position < 0 || position >= static_cast<int>(digits.size()))
        return 0;
    char c = digits[static_cast<std::size_t>(position)];
    return c >= '1' && c <= '3' ? c - '0' : 0;
}

int SampleLayout::SavedAnalogCount() const
{
    return static_cast<int>(std::count(analogSaved.begin(), analogSaved.end(), true));
}

int SampleLayout::SavedUnitCount() const
{
    return static_cast<int>(std::count(unitSaved.begin(), unitSaved.end(), true));
}

bool SampleLayout::AnyGroupPresent() const
{
    return std::find(groupPresent.begin(), groupPresent.end(), true) != groupPresent.end();
}

std::int64_t SampleLayout::MaxPoints() const
{
    std::int64_t points = dataLength;
    for (int i = 0; i < kAnalogSlots; ++i)
        if (analogSaved[i] || logicSaved[i])
            points = std::max(points, positionPoints[i]);
    return points;
}

SampleLayout DescribeSamples(const CWaveHeadInfo& head)
{
    SampleLayout layout;
    layout.family = head.GetHeaderFamily();
    layout.function = head.GetFunctionMode();
    layout.pairs = IsPairValuedFunction(layout.function);
    layout.dataLength = head.GetDataLength();
    layout.analogPositions = Clamp(head.GetAnalogCount(), kAnalogSlots);
    layout.floatCount = Clamp(head.GetFloatCount(), kFloatSlots);
    layout.pulseCount = Clamp(head.GetPulseCount(), kPulseSlots);
    layout.logicUnits = Clamp(head.GetLogicUnitCount(), kLogicUnits);
    layout.auxCount = head.GetAuxCount();
    layout.positionPoints.fill(layout.dataLength);

    if (layout.family != HeaderFamily::Family0 && layout.family != HeaderFamily::Family4)
        DescribeFromHeaderRecords(head, layout);
    switch (layout.family) {
    case HeaderFamily::Family0:
        DescribeFamily0(head, layout);
        break;
    case HeaderFamily::Family1:
        break;
    case HeaderFamily::Family2:
        DescribeFamily2(head, layout);
        break;
    case HeaderFamily::Family3:
        DescribeFamily3(layout);
        break;
    case HeaderFamily::Family4:
        DescribeFamily4(head, layout);
        break;
    case HeaderFamily::Family5:
        DescribeFamily5(head, layout);
        break;
    case HeaderFamily::Family6:
        DescribeFamily6(head, layout);
        break;
    case HeaderFamily::Family7:
        DescribeFamily7(head, layout);
        break;
    case HeaderFamily::Family8:
        DescribeFamily8(head, layout);
        break;
    case HeaderFamily::Family9:
        DescribeFamily9(head, layout);
        break;
    default:
        break;
    }

    for (int j = 0; j < kLogicUnits; ++j)
        if (layout.unitSaved[j])
            layout.groupPresent[j / 8] = true;
    // The ring family always carries group 0, whether or not a unit was saved;
    // families 1 and 2 put the probes of every saved unit into group 0.
    if (layout.family == HeaderFamily::Family3
        || ((layout.family == HeaderFamily::Family1 || layout.family == HeaderFamily::Family2)
            && layout.SavedUnitCount() > 0))
        layout.groupPresent[0] = true;

    if (layout.family == HeaderFamily::Family2)
        layout.logicBlocks = layout.AnyGroupPresent() ? 1 : 0;
    if (layout.family == HeaderFamily::Family4)
        layout.logicBlocks = (layout.unitSaved[0] ? 1 : 0) + (layout.unitSaved[4] ? 1 : 0);

    if (layout.function == kFunctionPow
        && std::find(layout.floatSaved.begin(), layout.floatSaved.end(), true) != layout.floatSaved.end())
        layout.noSampleData = true;
    return layout;
}

std::int64_t ProgressRange(const SampleLayout& layout, std::int64_t pointCount)
{
    switch (layout.progress) {
    case ProgressKind::PerChannel:
        return layout.analogPositions;
    case ProgressKind::PerBlockValue: {
        std::int64_t blocks = layout.SavedAnalogCount() + layout.logicBlocks;
        return blocks * std::max<std::int64_t>(pointCount, 0) / kValuesPerStep + 1;
    }
    case ProgressKind::PerPoint:
        break;
    }
    return std::max<std::int64_t>(pointCount, 0) / kPointsPerStep + 1;
}

} // namespace kp
