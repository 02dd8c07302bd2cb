#include "wavefile/FrameDecoder.h"

#include <algorithm>
#include <bit>
#include <span>
#include <string>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

namespace kp {

namespace {

// One value to move from a frame into a table array.
struct FrameOp {
    enum class Kind : std::uint8_t { U16, U32, F32, LogicHalf };
    Kind kind = Kind::U16;
    std::uint32_t offset = 0;
    std::uint32_t mask = 0xFFFFFFFFu; // U32: (value AND mask) >> shift
    int shift = 0; // LogicHalf: 0 or 16, where the nibble-reversed word is ORed
    std::span<std::uint16_t> u16;
    std::span<std::uint32_t> u32;
    std::span<float> f32;
};

template <typename T> std::span<T> Head(std::vector<T>& values, std::int64_t count)
{
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(values.size()), count));
    return std::span<T>(values.data(), n);
}

template <typename T>
void AddPair(std::vector<FrameOp>& ops, FrameOp op, ChannelSlot<T>& slot, std::int64_t count, bool pairs, int size)
{
    auto assign = [&](std::vector<T>& values) {
        if constexpr (std::is_same_v<T, std::uint16_t>)
            op.u16 = Head(values, count);
        else if constexpr (std::is_same_v<T, std::uint32_t>)
            op.u32 = Head(values, count);
        else
            op.f32 = Head(values, count);
    };
    assign(slot.primary);
    ops.push_back(op);
    if (pairs && !slot.secondary.empty()) {
        op.offset += static_cast<std::uint32_t>(size);
        assign(slot.secondary);
        ops.push_back(op);
    }
}

bool AnyUnitSaved(const LogicGroupTable& groups, int half)
{
    for (int u = 4 * half; u < 4 * half + 4; ++u)
        if (u < kLogicUnits && groups.unitSaved[u])
            return true;
    return false;
}

std::string EntryName(const FrameEntry& e)
{
    return "entry " + std::to_string(e.index) + " (" + std::string(1, e.letter) + ")";
}

void ApplyOp(const FrameOp& op, const std::uint8_t* frame, std::size_t i)
{
    const std::uint8_t* p = frame + op.offset;
    switch (op.kind) {
    case FrameOp::Kind::U16:
        if (i < op.u16.size())
            op.u16[i] = LoadBE16(p);
        break;
    case FrameOp::Kind::U32:
        if (i < op.u32.size())
            op.u32[i] = (LoadBE32(p) & op.mask) >> op.shift;
        break;
    case FrameOp::Kind::F32:
        if (i < op.f32.size())
            op.f32[i] = std::bit_cast<float>(LoadBE32(p));
        break;
    case FrameOp::Kind::LogicHalf:
        if (i < op.u32.size())
            op.u32[i] |= std::uint32_t { ReverseNibbles16(LoadBE16(p)) } << op.shift;
        break;
    }
}

} // namespace

DecodeResult DecodeFrames(
    const DecodeRequest& request, const std::vector<FrameEntry>& map, std::int64_t frameSize, bool pairs)
{
    ChannelTables& t = request.tables;
    const std::int64_t count = request.pointCount;
    const int factor = pairs ? 2 : 1;

    std::vector<FrameOp> ops;
    for (const FrameEntry& e : map) {
        const std::size_t before = ops.size();
        FrameOp op;
        op.offset = e.offset;
        switch (e.kind) {
        case FrameValueKind::Analog16:
            if (t.analog[e.slot].saved)
                AddPair(ops, op, t.analog[e.slot], count, pairs, e.size);
            break;
        case FrameValueKind::Pulse16:
            if (t.pulse[e.slot].saved)
                AddPair(ops, op, t.pulse[e.slot], count, pairs, e.size);
            break;
        case FrameValueKind::LogicWord32:
            op.kind = FrameOp::Kind::U32;
            if (t.logic[e.slot].saved)
                AddPair(ops, op, t.logic[e.slot], count, pairs, e.size);
            break;
        case FrameValueKind::Float32:
            op.kind = FrameOp::Kind::F32;
            if (t.floats[e.slot].saved)
                AddPair(ops, op, t.floats[e.slot], count, pairs, e.size);
            break;
        case FrameValueKind::LogicHalf16: {
            auto& group = t.logicGroups.groups[e.slot / 2];
            op.kind = FrameOp::Kind::LogicHalf;
            op.shift = e.slot % 2 == 0 ? 0 : 16;
            if (group.saved && AnyUnitSaved(t.logicGroups, e.slot))
                AddPair(ops, op, group, count, pairs, e.size);
            break;
        }
        case FrameValueKind::GpsSplit32:
            op.kind = FrameOp::Kind::U32;
            for (int s = e.slot; s < e.slot + e.slotCount; ++s) {
                if (!t.logic[s].saved)
                    continue;
                const GpsSplit split = GpsSplitOf(request.head, s);
                op.mask = split.mask;
                op.shift = split.shift;
                AddPair(ops, op, t.logic[s], count, pairs, e.size);
            }
            break;
        }
        if (ops.size() == before)
            continue;
        // The entry is read: its value, and the pair's second value, must lie in the frame.
        const std::uint64_t end = std::uint64_t { e.offset } + static_cast<std::uint64_t>(e.size) * factor;
        if (frameSize < 1 || frameSize > kMaxFrameBytes)
            return RefusedBecause(
                "frame size " + std::to_string(frameSize) + " outside 1.." + std::to_string(kMaxFrameBytes) + " bytes");
        if (end > static_cast<std::uint64_t>(frameSize))
            return RefusedBecause(EntryName(e) + " at byte " + std::to_string(e.offset) + " needs "
                + std::to_string(end) + " bytes of a " + std::to_string(frameSize) + "-byte frame");
    }
    if (ops.empty() || count <= 0)
        return Completed();
    if (request.firstPoint < 0)
        return RefusedBecause("first point " + std::to_string(request.firstPoint) + " is negative");
    // Logic halves are ORed into their group words: start every range from
    // zero so that a reused table cannot leak bits into this one.
    for (const FrameOp& op : ops)
        if (op.kind == FrameOp::Kind::LogicHalf)
            std::fill(op.u32.begin(), op.u32.end(), 0u);

    const std::span<const std::uint8_t> file = request.file;
    const std::uint64_t start = request.head.GetHeaderSize();
    const std::uint64_t frame = static_cast<std::uint64_t>(frameSize);
    const std::uint64_t framesInFile = start <= file.size() ? (file.size() - start) / frame : 0;
    const std::uint64_t first = static_cast<std::uint64_t>(request.firstPoint);
    // Points past the end of the record are not in the file to be missed.
    const std::uint64_t end
        = first + static_cast<std::uint64_t>(PointsInRange(request.head.GetDataLength(), request.firstPoint, count));
    const std::uint64_t last = std::min(end, framesInFile);

    ProgressTicker ticker(request, kPointsPerStep);
    ConsumedBytes consumed(request);
    for (std::uint64_t p = first; p < last; ++p) {
        const std::uint8_t* f = file.data() + start + p * frame;
        const std::size_t i = static_cast<std::size_t>(p - first);
        for (const FrameOp& op : ops)
            ApplyOp(op, f, i);
        consumed.reached(start + (p + 1) * frame);
        if (!ticker.advance())
            return CancelledByUser();
    }
    if (last < end)
        return ShortFileAt(start + last * frame, frame, file.size());
    return Completed();
}

} // namespace kp
