// Family 7 recording writer: MEM and REC. The logic word carries units 0-3
// only (the reader widens it with its sign over units 4-7), so other units
// are refused.

#include <algorithm>
#include <stdexcept>

#include "synth/BinaryScalingWriter.h"
#include "synth/FamilyWriter.h"

namespace kp::synth {

namespace {

[[noreturn]] void Refuse(const std::string& why)
{
    throw std::invalid_argument("family 7: " + why);
}

std::uint16_t LogicWord(const Recording& recording, std::size_t point, bool secondary)
{
    std::uint16_t word = 0;
    for (const LogicUnitBlueprint& u : recording.logicUnits) {
        const std::uint8_t nibble = (secondary ? u.secondary : u.primary)[point];
        if (nibble > 0x0F)
            Refuse("logic unit " + std::to_string(u.unit) + " value above 4 bits");
        word = static_cast<std::uint16_t>(word | (nibble << (4 * u.unit)));
    }
    return word;
}

} // namespace

std::vector<std::uint8_t> WriteFamily7(const Recording& recording)
{
    if (recording.function != "MEM" && recording.function != "REC")
        Refuse("only memory and envelope recordings carry samples");
    CheckArrayLengths(recording, "family 7");
    if (!recording.logicWords.empty() || !recording.floats.empty() || !recording.pulses.empty())
        Refuse("the family keeps analog channels and logic units 0-3 only");
    for (const LogicUnitBlueprint& u : recording.logicUnits)
        if (u.unit < 0 || u.unit > 3)
            Refuse("logic unit " + std::to_string(u.unit) + " is not carried by the logic word");
    const bool pairs = recording.function == "REC";

    std::vector<const AnalogBlueprint*> analog;
    for (const AnalogBlueprint& a : recording.analog) {
        if (a.slot < 0 || a.slot >= 352)
            Refuse("analog slot " + std::to_string(a.slot) + " beyond the channel table");
        analog.push_back(&a);
    }
    std::sort(analog.begin(), analog.end(), [](auto* a, auto* b) { return a->slot < b->slot; });

    RecordBlueprint main = BaseMainRecord(recording);
    if (!recording.mainFields.count(26))
        main.fields[26] = std::to_string(analog.empty() ? 0 : analog.back()->slot + 1);
    if (!recording.mainFields.count(27))
        main.fields[27] = recording.logicUnits.empty() ? "0" : "4";
    std::vector<RecordBlueprint> records = StandardChannelRecords(recording);
    const std::vector<RecordBlueprint> unitBlocks = Family7UnitBlocks(recording);
    records.insert(records.end(), unitBlocks.begin(), unitBlocks.end());
    std::vector<std::uint8_t> out = HeaderBytes(main, records, recording);

    const bool logic = !recording.logicUnits.empty();
    for (std::size_t p = 0; p < static_cast<std::size_t>(recording.dataLength); ++p) {
        for (int part = 0; part < (pairs ? 2 : 1); ++part) {
            for (const AnalogBlueprint* a : analog)
                PutBE16(out, (part == 0 ? a->primary : a->secondary)[p]);
            if (logic)
                PutBE16(out, LogicWord(recording, p, part == 1));
        }
    }
    return out;
}

} // namespace kp::synth
