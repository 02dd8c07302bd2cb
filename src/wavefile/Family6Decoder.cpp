// Family 6 (models 5228, 5191, 5210): one record per point with the values of
// the saved positions in position order and the classic logic blocks after
// them; the float channels follow all points as a second table of records.
#include <algorithm>
#include <bit>
#include <span>
#include <string>
#include <vector>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/Family6Layout.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

namespace kp {

namespace {

bool ReadsSamples(int function)
{
    return function == kFunctionMem || function == kFunctionRec || function == kFunctionRms || function == kFunctionXyc
        || function == kFunctionPow;
}

struct Column {
    enum class Kind : std::uint8_t { Analog, LogicPosition, LogicBlock };
    Kind kind = Kind::Analog;
    int index = 0; // position, or logic block number
    std::uint32_t offset = 0;
};

struct Layout {
    std::vector<Column> columns;
    std::uint64_t stride = 0;
    std::vector<int> floats; // saved float slots in order
    bool pairs = false;
};

bool BlockSaved(const LogicGroupTable& groups, int block, int units)
{
    for (int u = 4 * block; u < 4 * block + 4 && u < units; ++u)
        if (groups.unitSaved[u])
            return true;
    return false;
}

Layout Describe(const DecodeRequest& request, bool pairs)
{
    const ChannelTables& t = request.tables;
    Layout layout;
    layout.pairs = pairs;
    const int positions = std::clamp(request.head.GetAnalogCount(), 0, kAnalogSlots);
    for (int i = 0; i < positions; ++i) {
        if (t.analog[i].saved) {
            layout.columns.push_back({ Column::Kind::Analog, i, static_cast<std::uint32_t>(layout.stride) });
            layout.stride += pairs ? 4 : 2;
        } else if (t.logic[i].saved && !pairs) {
            // Logic-unit positions carry data only in memory recordings.
            layout.columns.push_back({ Column::Kind::LogicPosition, i, static_cast<std::uint32_t>(layout.stride) });
            layout.stride += 2;
        }
    }
    const int units = std::clamp(request.head.GetLogicUnitCount(), 0, kLogicUnits);
    for (int b = 0; 4 * b < units; ++b) {
        if (BlockSaved(t.logicGroups, b, units)) {
            layout.columns.push_back({ Column::Kind::LogicBlock, b, static_cast<std::uint32_t>(layout.stride) });
            layout.stride += pairs ? 4 : 2;
        }
    }
    const int floats = std::clamp(request.head.GetFloatCount(), 0, kFamily6FloatSlots);
    for (int k = 0; k < floats; ++k)
        if (t.floats[k].saved)
            layout.floats.push_back(k);
    return layout;
}

template <typename T> void Put(std::vector<T>& values, std::size_t i, T value)
{
    if (i < values.size())
        values[i] = value;
}

// Records of `stride` bytes from `start` that the file holds whole.
std::uint64_t RecordsInFile(std::uint64_t fileSize, std::uint64_t start, std::uint64_t stride)
{
    return start <= fileSize ? (fileSize - start) / stride : 0;
}

} // namespace

void DescribeFamily6(const CWaveHeadInfo& head, SampleLayout& layout)
{
    if (!ReadsSamples(layout.function)) {
        layout.noSampleData = true;
        return;
    }
    for (int i = 0; i < layout.analogPositions; ++i) {
        const HeaderRecord* channel = head.ChannelHeader(i);
        if (channel != nullptr && FieldText(*channel, kFamily6ModeField) == kFamily6LogicMode) {
            layout.logicSaved[i] = layout.analogSaved[i];
            layout.analogSaved[i] = false;
        }
    }
}

DecodeResult DecodeFamily6(const DecodeRequest& request)
{
    const int function = request.head.GetFunctionMode();
    const bool pairs = function == kFunctionRec || function == kFunctionRms;
    if (!ReadsSamples(function) || request.pointCount <= 0)
        return Completed();
    if (request.firstPoint < 0)
        return RefusedBecause("first point " + std::to_string(request.firstPoint) + " is negative");

    ChannelTables& t = request.tables;
    const Layout layout = Describe(request, pairs);
    const std::span<const std::uint8_t> file = request.file;
    const std::uint64_t start = request.head.GetHeaderSize();
    const std::uint64_t length = static_cast<std::uint64_t>(request.head.GetDataLength());
    const std::uint64_t first = static_cast<std::uint64_t>(request.firstPoint);
    // Points past the end of the record are not in the file to be missed.
    const std::uint64_t end = first
        + static_cast<std::uint64_t>(
            PointsInRange(request.head.GetDataLength(), request.firstPoint, request.pointCount));

    // Logic blocks are ORed into their group words: start the range from zero.
    for (const Column& c : layout.columns) {
        if (c.kind == Column::Kind::LogicBlock) {
            auto& group = t.logicGroups.groups[c.index / 2];
            std::fill(group.primary.begin(), group.primary.end(), 0u);
            std::fill(group.secondary.begin(), group.secondary.end(), 0u);
        }
    }

    // Both tables step one progress range between them.
    ProgressTicker ticker(request, layout.stride > 0 && !layout.floats.empty() ? 2 * kPointsPerStep : kPointsPerStep);
    ConsumedBytes consumed(request);
    std::uint64_t records = 0;
    if (layout.stride > 0) {
        records = RecordsInFile(file.size(), start, layout.stride);
        const std::uint64_t last = std::min(end, records);
        // A point pair's partner exists when it is inside the recording and the file.
        const std::uint64_t pairLimit = std::min(records, length);
        for (std::uint64_t p = first; p < last; ++p) {
            const std::uint8_t* rec = file.data() + start + p * layout.stride;
            const std::size_t i = static_cast<std::size_t>(p - first);
            for (const Column& c : layout.columns) {
                const std::uint8_t* v = rec + c.offset;
                switch (c.kind) {
                case Column::Kind::Analog:
                    Put(t.analog[c.index].primary, i, LoadBE16(v));
                    if (pairs)
                        Put(t.analog[c.index].secondary, i, LoadBE16(v + 2));
                    break;
                case Column::Kind::LogicPosition: {
                    // An even point's word is the high half and the next
                    // point's the low half of one value that both points hold.
                    std::uint32_t high, low = 0;
                    if (p % 2 == 0) {
                        high = LoadBE16(v);
                        if (p + 1 < pairLimit)
                            low = LoadBE16(v + layout.stride);
                    } else {
                        high = LoadBE16(v - layout.stride);
                        low = LoadBE16(v);
                    }
                    Put(t.logic[c.index].primary, i, (high << 16) | low);
                    break;
                }
                case Column::Kind::LogicBlock: {
                    auto& group = t.logicGroups.groups[c.index / 2];
                    const int shift = c.index % 2 == 0 ? 0 : 16;
                    if (i < group.primary.size())
                        group.primary[i] |= std::uint32_t { ReverseNibbles16(LoadBE16(v)) } << shift;
                    if (pairs && i < group.secondary.size())
                        group.secondary[i] |= std::uint32_t { ReverseNibbles16(LoadBE16(v + 2)) } << shift;
                    break;
                }
                }
            }
            // The next point still reads this record when it is odd.
            consumed.reached(start + p * layout.stride);
            if (!ticker.advance())
                return CancelledByUser();
        }
        if (last < end)
            return ShortFileAt(start + last * layout.stride, layout.stride, file.size());
    }

    if (layout.floats.empty())
        return Completed();
    // The float table follows all points of the first table.
    const std::uint64_t floatStride = 4 * layout.floats.size();
    // When the file does not hold every point of the first table, it cannot
    // hold the float table after it either.
    const std::uint64_t floatStart
        = layout.stride == 0 || length <= records ? start + length * layout.stride : file.size();
    const std::uint64_t floatRecords = RecordsInFile(file.size(), floatStart, floatStride);
    const std::uint64_t last = std::min(end, floatRecords);
    for (std::uint64_t p = first; p < last; ++p) {
        const std::uint8_t* rec = file.data() + floatStart + p * floatStride;
        const std::size_t i = static_cast<std::size_t>(p - first);
        for (std::size_t k = 0; k < layout.floats.size(); ++k)
            Put(t.floats[layout.floats[k]].primary, i, std::bit_cast<float>(LoadBE32(rec + 4 * k)));
        consumed.reached(floatStart + (p + 1) * floatStride);
        if (!ticker.advance())
            return CancelledByUser();
    }
    if (floatRecords < end) {
        const std::uint64_t missing = std::max(first, floatRecords);
        return ShortFileAt(floatStart + missing * floatStride, floatStride, file.size());
    }
    return Completed();
}

} // namespace kp
