// Family 0: one block per channel position, each point one little-endian word
// (two under REC/RMS) of a 12-bit analog value and the position's 4 logic
// probes in bits 12-15. The channel type digits go to main field 23.
//
// Codes the layout cannot hold: the reader widens a value with ones exactly
// when bit 9 is set, so only codes 0x0000-0x0FFF with bit 9 clear and
// 0xF000-0xFFFF with bit 9 set come back; any other code is refused. Logic
// exists for positions 0-7 only, and at most 12 positions fit field 23.
#include <algorithm>
#include <map>
#include <stdexcept>

#include "synth/FamilyWriter.h"

namespace kp::synth {

namespace {

std::uint16_t EncodeAnalog(std::uint16_t code)
{
    const bool widened = (code & 0xF000u) == 0xF000u;
    const bool negative = (code & 0x0200u) != 0;
    if ((code & 0xF000u) != 0 && !widened)
        throw std::invalid_argument("family 0: code " + std::to_string(code) + " has more than 12 bits");
    if (widened != negative)
        throw std::invalid_argument(
            "family 0: code " + std::to_string(code) + " cannot be stored (bit 9 decides the upper bits)");
    return static_cast<std::uint16_t>(code & 0x0FFFu);
}

} // namespace

std::vector<std::uint8_t> WriteFamily0(const Recording& recording)
{
    const std::string what = "family 0";
    constexpr int kPositions = 12;
    CheckArrayLengths(recording, what);
    CheckNibbles(recording, what);
    const auto analog = SortedAnalog(recording, kPositions, what);
    const auto units = SortedUnits(recording, 8, what);
    const bool pairs = IsPairFunction(recording.function);

    std::map<int, const AnalogBlueprint*> analogAt;
    std::map<int, const LogicUnitBlueprint*> unitAt;
    int positions = 0;
    for (const auto* a : analog) {
        analogAt[a->slot] = a;
        positions = std::max(positions, a->slot + 1);
    }
    for (const auto* u : units) {
        unitAt[u->unit] = u;
        positions = std::max(positions, u->unit + 1);
    }
    std::string types;
    for (int i = 0; i < positions; ++i)
        types += static_cast<char>('0' + (analogAt.contains(i) ? 1 : 0) + (unitAt.contains(i) ? 2 : 0));

    RecordBlueprint main = BaseMainRecord(recording);
    if (!recording.mainFields.contains(21))
        main.fields[21] = std::to_string(positions);
    if (!recording.mainFields.contains(22))
        main.fields[22] = std::to_string(units.size());
    if (!recording.mainFields.contains(23))
        main.fields[23] = types;
    std::vector<std::uint8_t> out = HeaderBytes(main, StandardChannelRecords(recording), recording);

    const auto length = static_cast<std::size_t>(recording.dataLength);
    out.reserve(out.size() + static_cast<std::size_t>(positions) * length * (pairs ? 4 : 2));
    for (int i = 0; i < positions; ++i) {
        const AnalogBlueprint* a = analogAt.contains(i) ? analogAt[i] : nullptr;
        const LogicUnitBlueprint* u = unitAt.contains(i) ? unitAt[i] : nullptr;
        for (std::size_t k = 0; k < length; ++k) {
            // Under REC/RMS the first word pairs the primary analog value with
            // the secondary probes, the second word the other way round.
            const std::uint16_t first = static_cast<std::uint16_t>(
                (a ? EncodeAnalog(a->primary[k]) : 0) | (u ? (pairs ? u->secondary[k] : u->primary[k]) << 12 : 0));
            PutLE16(out, first);
            if (pairs) {
                const std::uint16_t second = static_cast<std::uint16_t>(
                    (a ? EncodeAnalog(a->secondary[k]) : 0) | (u ? u->primary[k] << 12 : 0));
                PutLE16(out, second);
            }
        }
    }
    return out;
}

} // namespace kp::synth
