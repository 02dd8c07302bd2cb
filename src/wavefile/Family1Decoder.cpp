// Family 1 (most memory recorders): points interleaved. Each point is one frame:
// a 16-bit value per saved analog position in slot order (a primary and a
// secondary value under REC/RMS), then the logic bytes of the saved units.
#include <vector>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ColumnCopy.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"

namespace kp {

namespace {

// A unit's 4 probes are stored most significant probe first.
constexpr std::uint32_t ReverseNibble(std::uint32_t nibble)
{
    return ((nibble & 1u) << 3) | ((nibble & 2u) << 1) | ((nibble & 4u) >> 1) | ((nibble & 8u) >> 3);
}

// Points decoded between two progress steps; also the block the column copy
// works on, small enough that its frames stay in cache.
constexpr std::int64_t kChunk = kPointsPerStep;

} // namespace

DecodeResult DecodeFamily1(const DecodeRequest& request)
{
    const SampleLayout layout = DescribeSamples(request.head);
    const std::int64_t wordsPerPoint = layout.pairs ? 2 : 1;

    std::vector<Destination<std::uint16_t>> analog;
    for (int i = 0; i < layout.analogPositions; ++i)
        if (layout.analogSaved[i])
            analog.push_back(DestinationOf(request.tables.analog[i]));
    std::vector<int> units;
    for (int j = 0; j < layout.logicUnits; ++j)
        if (layout.unitSaved[j])
            units.push_back(j);

    // One 16-bit column per value of a point: primary, then secondary.
    std::vector<std::uint16_t*> columns;
    for (const auto& d : analog) {
        columns.push_back(d.primary);
        if (wordsPerPoint == 2)
            columns.push_back(d.secondary);
    }

    const std::uint64_t analogBytes = analog.size() * 2 * static_cast<std::uint64_t>(wordsPerPoint);
    const std::uint64_t logicBytes = layout.pairs ? units.size() : (units.size() + 1) / 2;
    const std::uint64_t frame = analogBytes + logicBytes;
    if (frame == 0)
        return Completed();

    // Every array of this family holds the data length's points of the range.
    std::int64_t n = PointsInRange(layout.dataLength, request.firstPoint, request.pointCount);
    for (const auto& d : analog)
        n = std::min<std::int64_t>(n, static_cast<std::int64_t>(d.size));
    Destination<std::uint32_t> group {};
    if (!units.empty()) {
        group = DestinationOf(request.tables.logicGroups.groups[0]);
        n = std::min<std::int64_t>(n, static_cast<std::int64_t>(group.size));
    }

    const std::uint64_t start = request.head.GetHeaderSize();
    const std::int64_t available = FramesAvailable(request.file.size(), start, frame, request.firstPoint, n);
    const std::uint8_t* const base = available > 0
        ? request.file.data() + start + static_cast<std::uint64_t>(request.firstPoint) * frame
        : nullptr;

    ProgressTicker ticker(request, kPointsPerStep);
    ConsumedBytes consumed(request);
    for (std::int64_t chunkStart = 0; chunkStart < available; chunkStart += kChunk) {
        const std::int64_t chunkEnd = std::min(available, chunkStart + kChunk);
        const std::uint8_t* const chunk = base + static_cast<std::uint64_t>(chunkStart) * frame;

        CopyBigEndianColumns(chunk, frame, static_cast<std::size_t>(chunkEnd - chunkStart), columns,
            static_cast<std::size_t>(chunkStart));

        if (!units.empty()) {
            const std::uint8_t* logic = chunk + analogBytes;
            for (std::int64_t k = chunkStart; k < chunkEnd; ++k, logic += frame) {
                std::uint32_t primary = 0, secondary = 0;
                for (std::size_t u = 0; u < units.size(); ++u) {
                    // Units beyond 8 wrap around in the 32-bit word.
                    const unsigned shift = (4u * static_cast<unsigned>(units[u])) % 32u;
                    if (layout.pairs) {
                        const std::uint8_t r = ReverseBits8(logic[u]);
                        primary |= std::uint32_t { r & 0x0Fu } << shift;
                        secondary |= std::uint32_t { static_cast<std::uint8_t>(r >> 4) } << shift;
                    } else {
                        // Units pair up in a byte: the first takes the high nibble.
                        const std::uint8_t byte = logic[u / 2];
                        const std::uint32_t nibble = (u % 2 == 0) ? (byte >> 4) : (byte & 0x0Fu);
                        primary |= ReverseNibble(nibble) << shift;
                    }
                }
                group.primary[k] |= primary;
                if (group.secondary != nullptr)
                    group.secondary[k] |= secondary;
            }
        }

        consumed.reached(start + static_cast<std::uint64_t>(request.firstPoint + chunkEnd) * frame);
        if (!ticker.advance(chunkEnd - chunkStart))
            return CancelledByUser();
    }
    if (available < n) {
        const std::uint64_t offset = start + static_cast<std::uint64_t>(request.firstPoint + available) * frame;
        return ShortFileAt(offset, frame, request.file.size());
    }
    return Completed();
}

} // namespace kp
