// Family 1: points interleaved. Per point, each analog channel in slot order
// (primary, then secondary under REC/RMS), then the logic bytes: under MEM two
// units share a byte (first unit in the high nibble, probes most significant
// first); under REC/RMS each unit has a byte, bit-reversed, whose low nibble is
// the primary and high nibble the secondary probe set.
#include <algorithm>
#include <stdexcept>

#include "synth/FamilyWriter.h"
#include "wavefile/ByteReader.h"

namespace kp::synth {

namespace {

constexpr std::uint8_t ReverseNibble(std::uint8_t n)
{
    return static_cast<std::uint8_t>(((n & 1u) << 3) | ((n & 2u) << 1) | ((n & 4u) >> 1) | ((n & 8u) >> 3));
}

} // namespace

std::vector<std::uint8_t> WriteFamily1(const Recording& recording)
{
    const std::string what = "family 1";
    CheckArrayLengths(recording, what);
    CheckNibbles(recording, what);
    const auto analog = SortedAnalog(recording, 352, what);
    const auto units = SortedUnits(recording, 128, what);
    const bool pairs = IsPairFunction(recording.function);

    RecordBlueprint main = BaseMainRecord(recording);
    if (!recording.mainFields.contains(26))
        main.fields[26] = std::to_string(analog.empty() ? 0 : analog.back()->slot + 1);
    if (!recording.mainFields.contains(27))
        main.fields[27] = std::to_string(units.empty() ? 0 : units.back()->unit + 1);
    std::vector<std::uint8_t> out = HeaderBytes(main, StandardChannelRecords(recording), recording);

    const std::size_t wordsPerPoint = pairs ? 2 : 1;
    const std::size_t logicBytes = pairs ? units.size() : (units.size() + 1) / 2;
    const std::size_t frame = analog.size() * 2 * wordsPerPoint + logicBytes;
    const auto length = static_cast<std::size_t>(recording.dataLength);
    const std::size_t start = out.size();
    out.resize(start + frame * length);

    for (std::size_t c = 0; c < analog.size(); ++c) {
        std::uint8_t* p = out.data() + start + c * 2 * wordsPerPoint;
        const AnalogBlueprint& a = *analog[c];
        for (std::size_t k = 0; k < length; ++k, p += frame) {
            p[0] = static_cast<std::uint8_t>(a.primary[k] >> 8);
            p[1] = static_cast<std::uint8_t>(a.primary[k]);
            if (pairs) {
                p[2] = static_cast<std::uint8_t>(a.secondary[k] >> 8);
                p[3] = static_cast<std::uint8_t>(a.secondary[k]);
            }
        }
    }
    std::uint8_t* logic = out.data() + start + analog.size() * 2 * wordsPerPoint;
    for (std::size_t k = 0; k < length && !units.empty(); ++k, logic += frame) {
        for (std::size_t u = 0; u < units.size(); ++u) {
            if (pairs) {
                const auto byte = static_cast<std::uint8_t>((units[u]->secondary[k] << 4) | units[u]->primary[k]);
                logic[u] = ReverseBits8(byte);
            } else if (u % 2 == 0) {
                logic[u / 2] = static_cast<std::uint8_t>(ReverseNibble(units[u]->primary[k]) << 4);
            } else {
                logic[u / 2] |= ReverseNibble(units[u]->primary[k]);
            }
        }
    }
    return out;
}

} // namespace kp::synth
