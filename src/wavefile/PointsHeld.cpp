#include "wavefile/PointsHeld.h"

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

namespace kp {

namespace {

bool Held(const CWaveHeadInfo& head, const SampleLayout& layout, std::span<const std::uint8_t> file, std::int64_t point)
{
    ChannelTables tables;
    if (AllocateTables(layout, point, 1, file.size(), tables).status != AllocateStatus::Ok)
        return false;
    DecodeRequest request { head, file, tables, point, 1, {}, {} };
    return DecodeSamples(request).status == DecodeStatus::Complete;
}

} // namespace

std::int64_t PointsHeld(const CWaveHeadInfo& head, std::span<const std::uint8_t> file, std::int64_t points)
{
    const SampleLayout layout = DescribeSamples(head);
    if (points <= 0)
        return 0;
    if (layout.noSampleData)
        return points;
    // Invariant: every point below `held` is in the file, `missing` is not.
    std::int64_t held = 0;
    std::int64_t missing = points;
    if (Held(head, layout, file, points - 1))
        return points;
    missing = points - 1;
    while (held < missing) {
        const std::int64_t middle = held + (missing - held) / 2;
        if (Held(head, layout, file, middle))
            held = middle + 1;
        else
            missing = middle;
    }
    return held;
}

} // namespace kp
