// Family 0 (the oldest memory recorder): one block per channel position, each
// point one little-endian word (two under REC/RMS). A word carries a 12-bit
// analog value and, in bits 12-15, the position's four logic probes.
#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"

namespace kp {

namespace {

// Bit 9 set marks a negative value: the instrument's 12-bit code is then
// widened with ones, not sign-extended from bit 11.
constexpr std::uint16_t Family0Analog(std::uint16_t word)
{
    return (word & 0x0200u) != 0 ? static_cast<std::uint16_t>(word | 0xF000u)
                                 : static_cast<std::uint16_t>(word & 0x0FFFu);
}

} // namespace

DecodeResult DecodeFamily0(const DecodeRequest& request)
{
    const SampleLayout layout = DescribeSamples(request.head);
    const std::uint64_t wordsPerPoint = layout.pairs ? 2 : 1;
    const std::uint64_t pointBytes = 2 * wordsPerPoint;
    const std::uint64_t start = request.head.GetHeaderSize();
    const std::uint64_t size = request.file.size();
    const std::uint64_t length = static_cast<std::uint64_t>(layout.dataLength);
    const std::int64_t n = PointsInRange(layout.dataLength, request.firstPoint, request.pointCount);

    ProgressTicker ticker(request, 1);
    bool shortFile = false;
    std::uint64_t shortOffset = 0;
    for (int i = 0; i < layout.analogPositions; ++i) {
        const bool analogWanted = layout.analogSaved[i];
        const bool logicWanted = i < 8 && layout.unitSaved[i];

        Destination<std::uint16_t> analog {};
        if (analogWanted)
            analog = DestinationOf(request.tables.analog[i]);
        Destination<std::uint32_t> group {};
        if (logicWanted)
            group = DestinationOf(request.tables.logicGroups.groups[0]);
        std::int64_t count = n;
        if (analogWanted)
            count = std::min<std::int64_t>(count, static_cast<std::int64_t>(analog.size));
        if (logicWanted)
            count = std::min<std::int64_t>(count, static_cast<std::int64_t>(group.size));

        // Block i starts after i whole channel blocks; a block that cannot lie
        // inside the file gives no points.
        std::int64_t available = 0;
        std::uint64_t block = 0;
        if (length == 0 || static_cast<std::uint64_t>(i) <= (size / pointBytes) / length) {
            block = start + static_cast<std::uint64_t>(i) * length * pointBytes;
            available = FramesAvailable(size, block, pointBytes, request.firstPoint, count);
        }
        if (available > 0 && (analogWanted || logicWanted)) {
            const std::uint8_t* src
                = request.file.data() + block + static_cast<std::uint64_t>(request.firstPoint) * pointBytes;
            const unsigned shift = 4u * static_cast<unsigned>(i);
            for (std::int64_t k = 0; k < available; ++k, src += pointBytes) {
                const std::uint16_t first = LoadLE16(src);
                if (wordsPerPoint == 1) {
                    if (analogWanted)
                        analog.primary[k] = Family0Analog(first);
                    if (logicWanted)
                        group.primary[k] |= std::uint32_t { static_cast<std::uint16_t>(first >> 12) } << shift;
                    continue;
                }
                // A pair's first word holds the primary analog value and the
                // secondary logic probes; the second word the other two.
                const std::uint16_t second = LoadLE16(src + 2);
                if (analogWanted) {
                    analog.primary[k] = Family0Analog(first);
                    if (analog.secondary != nullptr)
                        analog.secondary[k] = Family0Analog(second);
                }
                if (logicWanted) {
                    group.primary[k] |= std::uint32_t { static_cast<std::uint16_t>(second >> 12) } << shift;
                    if (group.secondary != nullptr)
                        group.secondary[k] |= std::uint32_t { static_cast<std::uint16_t>(first >> 12) } << shift;
                }
            }
        }
        if (available < count && !shortFile) {
            shortFile = true;
            shortOffset = block + static_cast<std::uint64_t>(request.firstPoint + available) * pointBytes;
        }
        if (!ticker.advance())
            return CancelledByUser();
    }
    if (shortFile)
        return ShortFileAt(shortOffset, pointBytes, size);
    return Completed();
}

} // namespace kp
