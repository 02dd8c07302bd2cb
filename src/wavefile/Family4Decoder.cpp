// Family 4 (the 2048-byte "VORAN4756" header): one block per saved channel,
// counting saved channels only, then up to two logic blocks of four units.
// Values are stored above a zero offset that depends on the input unit.
#include <optional>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/OldHeader.h"
#include "wavefile/SampleLayout.h"

namespace kp {

namespace {

// Logic words are stored byte-swapped with the unit order reversed.
constexpr std::uint16_t Family4Logic(std::uint16_t stored)
{
    return ReverseNibbles16(SwapBytes16(stored));
}

} // namespace

DecodeResult DecodeFamily4(const DecodeRequest& request)
{
    const SampleLayout layout = DescribeSamples(request.head);
    const std::uint64_t pointBytes = layout.pairs ? 4 : 2;
    const std::uint64_t length = static_cast<std::uint64_t>(layout.dataLength);
    const std::uint64_t size = request.file.size();
    const auto old = request.head.OldHeader();

    ProgressTicker ticker(request, kValuesPerStep);
    std::optional<DecodeResult> shortFile;
    // The block'th block of the data part; a block that cannot start inside
    // the file reads as missing.
    auto blockAvailable = [&](std::uint64_t block, std::int64_t count, std::uint64_t& offset) {
        offset = size + 1;
        if (length == 0 || block <= (size / pointBytes) / length)
            offset = oldheader::kSize + block * length * pointBytes;
        const std::int64_t available = FramesAvailable(size, offset, pointBytes, request.firstPoint, count);
        if (available < count && !shortFile)
            shortFile = ShortFileAt(offset, pointBytes, size);
        return available;
    };
    auto source = [&](std::uint64_t offset) {
        return request.file.data() + offset + static_cast<std::uint64_t>(request.firstPoint) * pointBytes;
    };

    std::uint64_t block = 0;
    for (int i = 0; i < layout.analogPositions; ++i) {
        if (!layout.analogSaved[i])
            continue;
        const Destination<std::uint16_t> d = DestinationOf(request.tables.analog[i]);
        const auto zero = static_cast<std::uint16_t>(oldheader::ChannelZeroOffset(old, i));
        std::uint64_t offset = 0;
        const std::int64_t available = blockAvailable(block++, static_cast<std::int64_t>(d.size), offset);
        const std::uint8_t* src = available > 0 ? source(offset) : nullptr;
        for (std::int64_t k = 0; k < available; ++k, src += pointBytes) {
            d.primary[k] = static_cast<std::uint16_t>(LoadBE16(src) - zero);
            if (d.secondary != nullptr)
                d.secondary[k] = static_cast<std::uint16_t>(LoadBE16(src + 2) - zero);
            if (!ticker.advance())
                return CancelledByUser();
        }
    }

    const Destination<std::uint32_t> group = DestinationOf(request.tables.logicGroups.groups[0]);
    for (int half = 0; half < 2 && group.size > 0; ++half) {
        if (!layout.unitSaved[static_cast<std::size_t>(4 * half)])
            continue;
        const unsigned shift = 16u * static_cast<unsigned>(half);
        std::uint64_t offset = 0;
        const std::int64_t available = blockAvailable(block++, static_cast<std::int64_t>(group.size), offset);
        const std::uint8_t* src = available > 0 ? source(offset) : nullptr;
        for (std::int64_t k = 0; k < available; ++k, src += pointBytes) {
            const std::uint32_t d = Family4Logic(LoadBE16(src));
            if (!layout.pairs) {
                group.primary[k] |= d << shift;
            } else {
                // The envelope pair is coded as (d, q): the primary probes
                // are q OR d, the secondary ones (NOT q) AND d.
                const std::uint32_t q = Family4Logic(LoadBE16(src + 2));
                group.primary[k] |= (q | d) << shift;
                if (group.secondary != nullptr)
                    group.secondary[k] |= ((~q & d) & 0xFFFFu) << shift;
            }
            if (!ticker.advance())
                return CancelledByUser();
        }
    }
    if (shortFile)
        return *shortFile;
    return Completed();
}

} // namespace kp
