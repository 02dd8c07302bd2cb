// Family 3 (data loggers 3019 and 5303): a ring buffer of R records written in
// storage order from the ring start s. Record r holds point (R + r - s) mod R,
// so point p lives in record (p + s) mod R and any range of points can be
// read directly, without walking the ring.
#include <optional>
#include <vector>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/HeaderRecord.h"
#include "wavefile/SampleLayout.h"

namespace kp {

DecodeResult DecodeFamily3(const DecodeRequest& request)
{
    const SampleLayout layout = DescribeSamples(request.head);
    // The loggers' other functions carry no sample data this program reads.
    if (layout.function != kFunctionMem)
        return Completed();

    const long long ringSize = FieldInt(request.head.MainRecord(), 15);
    const long long ringStart = FieldInt(request.head.MainRecord(), 10);
    if (ringSize <= 0)
        return RefusedBecause("ring size " + std::to_string(ringSize));
    if (ringStart < 0 || ringStart >= ringSize)
        return RefusedBecause(
            "ring start " + std::to_string(ringStart) + " outside a ring of " + std::to_string(ringSize));

    std::vector<Destination<std::uint16_t>> values; // analog channels, then pulse channels
    for (int i = 0; i < layout.analogPositions; ++i)
        if (layout.analogSaved[i])
            values.push_back(DestinationOf(request.tables.analog[i]));
    for (int k = 0; k < layout.pulseCount; ++k)
        if (layout.pulseSaved[k])
            values.push_back(DestinationOf(request.tables.pulse[k]));
    const bool lowLogic = layout.unitSaved[0];
    const bool highLogic = layout.unitSaved[4];
    const Destination<std::uint32_t> group = DestinationOf(request.tables.logicGroups.groups[0]);

    const std::uint64_t frame = 2 * (values.size() + (lowLogic ? 1 : 0) + (highLogic ? 1 : 0));
    if (frame == 0)
        return Completed();

    std::int64_t n = PointsInRange(layout.dataLength, request.firstPoint, request.pointCount);
    for (const auto& d : values)
        n = std::min<std::int64_t>(n, static_cast<std::int64_t>(d.size));
    if (lowLogic || highLogic)
        n = std::min<std::int64_t>(n, static_cast<std::int64_t>(group.size));

    const std::uint64_t start = request.head.GetHeaderSize();
    const std::uint64_t size = request.file.size();
    // Records [0, stored) lie whole inside the file.
    const std::uint64_t stored
        = start > size ? 0 : std::min<std::uint64_t>((size - start) / frame, static_cast<std::uint64_t>(ringSize));
    const std::uint64_t ring = static_cast<std::uint64_t>(ringSize);
    // A cut-short ring holds its points up to the first record past the cut.
    // The records it still holds before the ring start carry later points:
    // they are read, but a range that reaches them counts as short, so that
    // the points held whole are always the record's beginning.
    const std::uint64_t s = static_cast<std::uint64_t>(ringStart);
    const std::uint64_t heldPoints = stored == ring ? ring : (s < stored ? stored - s : 0);

    ProgressTicker ticker(request, kPointsPerStep);
    std::optional<DecodeResult> missing;
    for (std::int64_t k = 0; k < n; ++k) {
        const std::uint64_t point = static_cast<std::uint64_t>(request.firstPoint + k);
        // A data length beyond the ring names points the ring never held.
        const std::uint64_t record = (point % ring + static_cast<std::uint64_t>(ringStart)) % ring;
        if (point >= heldPoints && !missing)
            missing = DecodeResult { DecodeStatus::ShortFile,
                "point " + std::to_string(point) + " follows a gap of the ring" };
        if (point >= ring || record >= stored) {
            if (!missing)
                missing = point >= ring ? DecodeResult { DecodeStatus::ShortFile,
                    "point " + std::to_string(point) + " beyond a ring of " + std::to_string(ring) }
                                        : ShortFileAt(start + record * frame, frame, size);
        } else {
            const std::uint8_t* src = request.file.data() + start + record * frame;
            for (const auto& d : values) {
                d.primary[k] = LoadBE16(src);
                src += 2;
            }
            if (lowLogic) {
                group.primary[k] |= LoadBE16(src);
                src += 2;
            }
            if (highLogic)
                group.primary[k] |= std::uint32_t { LoadBE16(src) } << 16;
        }
        if (!ticker.advance())
            return CancelledByUser();
    }
    if (missing)
        return *missing;
    return Completed();
}

} // namespace kp
