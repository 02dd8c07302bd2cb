// Family 2 (recorder 3384): channel blocks found through save-position
// records. Each saved channel gets an "HBA" entry (number = slot + 1, data
// count = its array length, save position in 512-byte units); logic gets one
// "HBL" entry for unit 0. Blocks start on 512-byte boundaries in slot order,
// the logic block last; the file ends with the last block's data.
//
// Codes the layout cannot hold: the logic block stores 16 probe bits (units
// 0-3) and the reader copies probe 15 into the upper half, so units 4-7 must
// read 0xF where unit 3's last probe is set and 0 elsewhere; any other value
// of units 4-7, and units from 8 on, are refused.
#include <algorithm>
#include <stdexcept>

#include "synth/FamilyWriter.h"
#include "wavefile/ByteReader.h"
#include "wavefile/HeaderRecord.h"

namespace kp::synth {

namespace {

constexpr std::size_t kBlockUnit = 512;

std::size_t Padded(std::size_t bytes)
{
    return (bytes + kBlockUnit - 1) / kBlockUnit * kBlockUnit;
}

RecordBlueprint SavePositionRecord(const std::string& tag)
{
    RecordBlueprint r;
    r.tag = tag;
    return r;
}

void SetEntry(RecordBlueprint& r, int entry, int number, std::size_t count, std::size_t position)
{
    const int base = 1 + 4 * entry;
    r.fields[base] = std::to_string(number);
    r.fields[base + 1] = std::to_string(count);
    r.fields[base + 2] = std::to_string(position);
    r.fields[base + 3] = std::to_string(1); // save interval
}

// Probe bits of units 0-3 (unit j at bits 4j..4j+3) for one point.
std::uint16_t LowProbes(const std::vector<const LogicUnitBlueprint*>& units, std::size_t k, bool secondary)
{
    std::uint16_t word = 0;
    for (const auto* u : units)
        if (u->unit < 4)
            word = static_cast<std::uint16_t>(word | ((secondary ? u->secondary[k] : u->primary[k]) << (4 * u->unit)));
    return word;
}

void CheckUpperUnits(const std::vector<const LogicUnitBlueprint*>& units, std::size_t length, bool pairs)
{
    for (std::size_t k = 0; k < length; ++k) {
        for (int half = 0; half < (pairs ? 2 : 1); ++half) {
            const bool sign = (LowProbes(units, k, half == 1) & 0x8000u) != 0;
            for (const auto* u : units) {
                if (u->unit < 4)
                    continue;
                const std::uint8_t v = half == 1 ? u->secondary[k] : u->primary[k];
                if (v != (sign ? 0xF : 0))
                    throw std::invalid_argument(
                        "family 2: unit " + std::to_string(u->unit) + " only repeats the last probe of unit 3");
            }
        }
    }
}

} // namespace

std::vector<std::uint8_t> WriteFamily2(const Recording& recording)
{
    const std::string what = "family 2";
    CheckNibbles(recording, what);
    const auto analog = SortedAnalog(recording, 352, what);
    const auto units = SortedUnits(recording, 8, what);
    const bool pairs = IsPairFunction(recording.function);
    const auto length = static_cast<std::size_t>(std::max<std::int64_t>(recording.dataLength, 0));
    // A channel's data count is its own array length here; logic follows the data length.
    for (const auto* a : analog)
        if (a->secondary.size() != (pairs ? a->primary.size() : 0))
            throw std::invalid_argument(what + ": secondary array does not fit the function");
    for (const auto* u : units)
        if (u->primary.size() != length || u->secondary.size() != (pairs ? length : 0))
            throw std::invalid_argument(what + ": logic arrays must hold the data length");
    CheckUpperUnits(units, length, pairs);

    std::vector<RecordBlueprint> records = StandardChannelRecords(recording);
    // Under POW the positions are doubled: the second half are the power
    // channels, numbered from 1 again in their own "HBP" list.
    const bool power = recording.function == "POW";
    const int positions = analog.empty() ? 0 : analog.back()->slot + 1;
    const int field26 = recording.mainFields.contains(26)
        ? static_cast<int>(ParseIntPrefix(recording.mainFields.at(26)))
        : (power ? (positions + 1) / 2 : positions);
    auto listOf = [&](int slot) { return power && slot >= field26 ? std::string("HBP") : std::string("HBA"); };
    auto numberOf = [&](int slot) { return power && slot >= field26 ? slot - field26 + 1 : slot + 1; };
    std::size_t analogRecords = 0;
    for (const std::string list : { "HBA", "HBP" }) {
        std::size_t inList = 0;
        for (const auto* a : analog)
            inList += listOf(a->slot) == list ? 1 : 0;
        analogRecords += (inList + 7) / 8;
    }
    const std::size_t recordCount
        = 1 + records.size() + analogRecords + (units.empty() ? 0 : 1) + recording.extraRecords.size();

    const std::size_t pointBytes = pairs ? 4 : 2;
    std::size_t position = recordCount * kBlockUnit;
    std::size_t dataEnd = position; // the last block is not padded
    std::vector<std::size_t> blockAt(analog.size());
    for (const std::string list : { "HBA", "HBP" }) {
        int entry = 0;
        for (std::size_t c = 0; c < analog.size(); ++c) {
            if (listOf(analog[c]->slot) != list)
                continue;
            if (entry % 8 == 0)
                records.push_back(SavePositionRecord(list));
            blockAt[c] = position;
            SetEntry(
                records.back(), entry % 8, numberOf(analog[c]->slot), analog[c]->primary.size(), position / kBlockUnit);
            dataEnd = position + analog[c]->primary.size() * pointBytes;
            position += Padded(analog[c]->primary.size() * pointBytes);
            ++entry;
        }
    }
    const std::size_t logicAt = position;
    if (!units.empty()) {
        records.push_back(SavePositionRecord("HBL"));
        SetEntry(records.back(), 0, 1, length, logicAt / kBlockUnit);
        dataEnd = logicAt + length * pointBytes;
    }

    RecordBlueprint main = BaseMainRecord(recording);
    main.fields[26] = std::to_string(field26);
    if (!recording.mainFields.contains(27))
        main.fields[27] = std::to_string(units.empty() ? 0 : units.back()->unit + 1);
    std::vector<std::uint8_t> out = HeaderBytes(main, records, recording);
    out.resize(dataEnd, 0);

    for (std::size_t c = 0; c < analog.size(); ++c) {
        std::uint8_t* p = out.data() + blockAt[c];
        for (std::size_t k = 0; k < analog[c]->primary.size(); ++k, p += pointBytes) {
            p[0] = static_cast<std::uint8_t>(analog[c]->primary[k] >> 8);
            p[1] = static_cast<std::uint8_t>(analog[c]->primary[k]);
            if (pairs) {
                p[2] = static_cast<std::uint8_t>(analog[c]->secondary[k] >> 8);
                p[3] = static_cast<std::uint8_t>(analog[c]->secondary[k]);
            }
        }
    }
    if (!units.empty()) {
        std::uint8_t* p = out.data() + logicAt;
        for (std::size_t k = 0; k < length; ++k, p += pointBytes) {
            // The reader byte-swaps, then reverses the 16 probe bits.
            const std::uint16_t primary = SwapBytes16(ReverseBits16(LowProbes(units, k, false)));
            p[0] = static_cast<std::uint8_t>(primary >> 8);
            p[1] = static_cast<std::uint8_t>(primary);
            if (pairs) {
                const std::uint16_t secondary = SwapBytes16(ReverseBits16(LowProbes(units, k, true)));
                p[2] = static_cast<std::uint8_t>(secondary >> 8);
                p[3] = static_cast<std::uint8_t>(secondary);
            }
        }
    }
    return out;
}

} // namespace kp::synth
