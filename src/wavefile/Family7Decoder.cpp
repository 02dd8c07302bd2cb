// Family 7 (model QX4767): one record per point. A memory record holds the
// saved analog positions and, when logic units are saved, one logic word; an
// envelope record holds all primary values with their logic word, then all
// secondary values with theirs. RMS recordings keep no sample data here.
#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

namespace kp {

namespace {

// The logic word covers units 0-3; widened with its sign like the
// instrument's own 32-bit group word.
std::uint32_t SignWidened(std::uint16_t word)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int16_t>(word)));
}

} // namespace

void DescribeFamily7(const CWaveHeadInfo&, SampleLayout& layout)
{
    if (layout.function != kFunctionMem && layout.function != kFunctionRec) {
        layout.noSampleData = true;
        return;
    }
    // The one logic word of a record always lands in group 0, whichever units
    // the header names.
    for (int j = 0; j < layout.logicUnits; ++j)
        if (layout.unitSaved[j])
            layout.groupPresent[0] = true;
}

DecodeResult DecodeFamily7(const DecodeRequest& request)
{
    const int function = request.head.GetFunctionMode();
    if ((function != kFunctionMem && function != kFunctionRec) || request.pointCount <= 0)
        return Completed();
    const bool pairs = function == kFunctionRec;
    if (request.firstPoint < 0)
        return RefusedBecause("first point " + std::to_string(request.firstPoint) + " is negative");

    ChannelTables& t = request.tables;
    std::vector<int> analog;
    const int positions = std::clamp(request.head.GetAnalogCount(), 0, kAnalogSlots);
    for (int i = 0; i < positions; ++i)
        if (t.analog[i].saved)
            analog.push_back(i);
    const int units = std::clamp(request.head.GetLogicUnitCount(), 0, kLogicUnits);
    const bool logic = std::any_of(
        t.logicGroups.unitSaved.begin(), t.logicGroups.unitSaved.begin() + units, [](bool saved) { return saved; });

    // One half-record: the analog values, then the logic word.
    const std::uint64_t half = 2 * (analog.size() + (logic ? 1 : 0));
    const std::uint64_t stride = pairs ? 2 * half : half;
    if (stride == 0)
        return Completed();

    const std::span<const std::uint8_t> file = request.file;
    const std::uint64_t start = request.head.GetHeaderSize();
    const std::uint64_t records = start <= file.size() ? (file.size() - start) / stride : 0;
    const std::uint64_t first = static_cast<std::uint64_t>(request.firstPoint);
    // Points past the end of the record are not in the file to be missed.
    const std::uint64_t end = first
        + static_cast<std::uint64_t>(
            PointsInRange(request.head.GetDataLength(), request.firstPoint, request.pointCount));
    const std::uint64_t last = std::min(end, records);
    auto& group0 = t.logicGroups.groups[0];
    ProgressTicker ticker(request, kPointsPerStep);
    ConsumedBytes consumed(request);

    for (std::uint64_t p = first; p < last; ++p) {
        const std::uint8_t* rec = file.data() + start + p * stride;
        const std::size_t i = static_cast<std::size_t>(p - first);
        for (int part = 0; part < (pairs ? 2 : 1); ++part) {
            const std::uint8_t* v = rec + part * half;
            for (int slot : analog) {
                auto& values = part == 0 ? t.analog[slot].primary : t.analog[slot].secondary;
                if (i < values.size())
                    values[i] = LoadBE16(v);
                v += 2;
            }
            if (logic) {
                auto& words = part == 0 ? group0.primary : group0.secondary;
                if (i < words.size())
                    words[i] = SignWidened(LoadBE16(v));
            }
        }
        consumed.reached(start + (p + 1) * stride);
        if (!ticker.advance())
            return CancelledByUser();
    }
    if (last < end)
        return ShortFileAt(start + last * stride, stride, file.size());
    return Completed();
}

} // namespace kp
