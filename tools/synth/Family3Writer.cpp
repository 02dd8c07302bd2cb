// Family 3 (data loggers 3019, 5303): a ring of R records starting at record
// s: record r holds point (R + r - s) mod R. The ring size goes to main field
// 15 and the start to field 10 (from mainFields when given there; else a ring
// exactly as long as the data, starting at 0). Ring records that hold no
// point (R above the data length) are written as zeros.
//
// A record holds one word per analog channel in slot order, one per pulse
// channel, the probes of units 0-3 when unit 0 is saved and of units 4-7 when
// unit 4 is saved. Units 1-3 therefore need unit 0, units 5-7 need unit 4,
// and units from 8 on cannot be stored: such recordings are refused. Only MEM
// recordings carry data; other functions get the header alone.
#include <algorithm>
#include <stdexcept>

#include "synth/FamilyWriter.h"
#include "wavefile/HeaderRecord.h"

namespace kp::synth {

std::vector<std::uint8_t> WriteFamily3(const Recording& recording)
{
    const std::string what = "family 3";
    CheckArrayLengths(recording, what);
    CheckNibbles(recording, what);
    const auto analog = SortedAnalog(recording, 32, what);
    const auto units = SortedUnits(recording, 8, what);
    const auto length = static_cast<std::size_t>(recording.dataLength);

    auto field = [&](int n, long long fallback) {
        auto it = recording.mainFields.find(n);
        return it == recording.mainFields.end() ? fallback : ParseIntPrefix(it->second);
    };
    const long long ring = field(15, static_cast<long long>(length));
    const long long ringStart = field(10, 0);
    if (ring < static_cast<long long>(length) || ringStart < 0 || (ring > 0 && ringStart >= ring))
        throw std::invalid_argument(what + ": the ring must hold every point and start inside itself");

    bool unit0 = false, unit4 = false;
    for (const auto* u : units) {
        unit0 |= u->unit == 0;
        unit4 |= u->unit == 4;
    }
    for (const auto* u : units)
        if ((u->unit < 4 && !unit0) || (u->unit >= 4 && !unit4))
            throw std::invalid_argument(
                what + ": unit " + std::to_string(u->unit) + " is stored only with the first unit of its four");
    std::vector<const PulseBlueprint*> pulses;
    for (const auto& p : recording.pulses) {
        if (p.slot < 0 || p.slot >= 4)
            throw std::invalid_argument(what + ": pulse slot outside 0..3");
        pulses.push_back(&p);
    }
    std::sort(pulses.begin(), pulses.end(),
        [](const PulseBlueprint* x, const PulseBlueprint* y) { return x->slot < y->slot; });

    RecordBlueprint main = BaseMainRecord(recording);
    main.fields[15] = std::to_string(ring);
    main.fields[10] = std::to_string(ringStart);
    std::vector<std::uint8_t> out = HeaderBytes(main, StandardChannelRecords(recording), recording);
    if (recording.function != "MEM")
        return out;

    auto probes = [&](std::size_t k, int firstUnit) {
        std::uint16_t word = 0;
        for (const auto* u : units)
            if (u->unit >= firstUnit && u->unit < firstUnit + 4)
                word = static_cast<std::uint16_t>(word | (u->primary[k] << (4 * (u->unit - firstUnit))));
        return word;
    };
    const std::size_t frame = 2 * (analog.size() + pulses.size() + (unit0 ? 1 : 0) + (unit4 ? 1 : 0));
    out.reserve(out.size() + frame * static_cast<std::size_t>(ring));
    for (long long r = 0; r < ring; ++r) {
        const auto point = static_cast<std::size_t>((ring + r - ringStart) % ring);
        if (point >= length) {
            out.insert(out.end(), frame, 0);
            continue;
        }
        for (const auto* a : analog)
            PutBE16(out, a->primary[point]);
        for (const auto* p : pulses)
            PutBE16(out, p->primary[point]);
        if (unit0)
            PutBE16(out, probes(point, 0));
        if (unit4)
            PutBE16(out, probes(point, 4));
    }
    return out;
}

} // namespace kp::synth
