// Family 2 (recorder 3384): one block per saved channel at the position its
// save-position entry gives, then one logic block for all units. Points hold
// one 16-bit value, two (primary, secondary) under REC/RMS.
#include <optional>
#include <string>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"

namespace kp {

namespace {

struct BlockState {
    const DecodeRequest& request;
    ProgressTicker ticker;
    std::optional<DecodeResult> shortFile;
    std::uint64_t pointBytes;
};

// Points of the range that a block at `offset` holding `points` points still
// has in the file; records the first shortfall.
std::int64_t BlockPointsAvailable(BlockState& state, std::uint64_t offset, std::int64_t points, std::int64_t count)
{
    const std::uint64_t size = state.request.file.size();
    const std::int64_t wanted = std::min(count, PointsInRange(points, state.request.firstPoint, count));
    const std::int64_t available = FramesAvailable(size, offset, state.pointBytes, state.request.firstPoint, wanted);
    if (available < wanted && !state.shortFile) {
        const std::uint64_t at = offset > size
            ? offset
            : offset + static_cast<std::uint64_t>(state.request.firstPoint + available) * state.pointBytes;
        state.shortFile = ShortFileAt(at, state.pointBytes, size);
    }
    return available;
}

// A block position the file cannot hold reads as one past its end, so the
// block is missing rather than wrapped around.
std::uint64_t BlockOffset(std::int64_t position, std::uint64_t size)
{
    if (position < 0 || static_cast<std::uint64_t>(position) > size)
        return size + 1;
    return static_cast<std::uint64_t>(position);
}

// The logic word: stored byte-swapped with its probes in reverse order; bit 15
// is copied into the upper half.
constexpr std::uint32_t Family2Logic(std::uint16_t stored)
{
    const std::uint16_t probes = ReverseBits16(SwapBytes16(stored));
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int16_t>(probes)));
}

} // namespace

DecodeResult DecodeFamily2(const DecodeRequest& request)
{
    const SampleLayout layout = DescribeSamples(request.head);
    const std::uint64_t pointBytes = layout.pairs ? 4 : 2;
    BlockState state { request, ProgressTicker(request, kValuesPerStep), std::nullopt, pointBytes };

    for (int i = 0; i < layout.analogPositions; ++i) {
        if (!layout.analogSaved[i])
            continue;
        const std::int64_t position = request.head.GetChannelSavePosition(i);
        Destination<std::uint16_t> d = DestinationOf(request.tables.analog[i]);
        if (d.size == 0)
            continue;
        if (position < 0) {
            if (!state.shortFile)
                state.shortFile
                    = DecodeResult { DecodeStatus::ShortFile, "no save position for channel " + std::to_string(i + 1) };
            continue;
        }
        const std::uint64_t offset = BlockOffset(position, request.file.size());
        const std::int64_t available
            = BlockPointsAvailable(state, offset, layout.positionPoints[i], static_cast<std::int64_t>(d.size));
        const std::uint8_t* src = available > 0
            ? request.file.data() + offset + static_cast<std::uint64_t>(request.firstPoint) * pointBytes
            : nullptr;
        for (std::int64_t k = 0; k < available; ++k, src += pointBytes) {
            d.primary[k] = LoadBE16(src);
            if (d.secondary != nullptr)
                d.secondary[k] = LoadBE16(src + 2);
            if ((k + 1) % kValuesPerStep == 0 && !state.ticker.advance(kValuesPerStep))
                return CancelledByUser();
        }
        if (!state.ticker.advance(available % kValuesPerStep))
            return CancelledByUser();
    }

    if (layout.logicBlocks > 0) {
        Destination<std::uint32_t> group = DestinationOf(request.tables.logicGroups.groups[0]);
        const std::int64_t position = request.head.GetLogicSavePosition(0);
        if (position < 0) {
            if (!state.shortFile)
                state.shortFile = DecodeResult { DecodeStatus::ShortFile, "no save position for the logic block" };
        } else if (group.size > 0) {
            const std::uint64_t offset = BlockOffset(position, request.file.size());
            const std::int64_t available
                = BlockPointsAvailable(state, offset, layout.dataLength, static_cast<std::int64_t>(group.size));
            const std::uint8_t* src = available > 0
                ? request.file.data() + offset + static_cast<std::uint64_t>(request.firstPoint) * pointBytes
                : nullptr;
            for (std::int64_t k = 0; k < available; ++k, src += pointBytes) {
                group.primary[k] = Family2Logic(LoadBE16(src));
                if (group.secondary != nullptr)
                    group.secondary[k] = Family2Logic(LoadBE16(src + 2));
                if ((k + 1) % kValuesPerStep == 0 && !state.ticker.advance(kValuesPerStep))
                    return CancelledByUser();
            }
        }
    }
    if (state.shortFile)
        return *state.shortFile;
    return Completed();
}

} // namespace kp
