// Family 6 recording writer. A logic-unit position (LogicWordBlueprint) is stored
// as one 16-bit word per point, the even point's word the high half and the
// odd point's the low half of one value both points share; values that do
// not come in such pairs cannot be written and are refused.

#include <algorithm>
#include <stdexcept>

#include "synth/FamilyWriter.h"
#include "synth/FrameWriter.h"
#include "wavefile/Family6Layout.h"

namespace kp::synth {

namespace {

[[noreturn]] void Refuse(const std::string& why)
{
    throw std::invalid_argument("family 6: " + why);
}

struct Position {
    const AnalogBlueprint* analog = nullptr;
    const LogicWordBlueprint* word = nullptr;
};

void CheckWordPairs(const LogicWordBlueprint& w)
{
    const std::size_t n = w.primary.size();
    for (std::size_t p = 0; p + 1 < n; p += 2)
        if (w.primary[p] != w.primary[p + 1])
            Refuse("logic position " + std::to_string(w.slot) + " differs at points " + std::to_string(p) + " and "
                + std::to_string(p + 1) + ", which share one value");
    if (n % 2 == 1 && (w.primary[n - 1] & 0xFFFFu) != 0)
        Refuse("logic position " + std::to_string(w.slot) + ": the last, unpaired point has no low half");
}

} // namespace

std::vector<std::uint8_t> WriteFamily6(const Recording& recording)
{
    CheckArrayLengths(recording, "family 6");
    const bool pairs = IsPairFunction(recording.function);
    if (!recording.pulses.empty())
        Refuse("the family has no pulse channels");
    if (pairs && !recording.logicWords.empty())
        Refuse("logic-unit positions are kept in single-value recordings only");
    if (pairs && !recording.floats.empty())
        Refuse("float channels keep one value per point");

    std::vector<Position> positions;
    auto at = [&](int slot) -> Position& {
        if (slot < 0 || slot >= 352)
            Refuse("position " + std::to_string(slot) + " beyond the channel table");
        if (positions.size() <= static_cast<std::size_t>(slot))
            positions.resize(static_cast<std::size_t>(slot) + 1);
        return positions[static_cast<std::size_t>(slot)];
    };
    for (const AnalogBlueprint& a : recording.analog)
        at(a.slot).analog = &a;
    for (const LogicWordBlueprint& w : recording.logicWords) {
        if (at(w.slot).analog != nullptr)
            Refuse("position " + std::to_string(w.slot) + " is both analog and logic");
        CheckWordPairs(w);
        at(w.slot).word = &w;
    }
    for (const LogicUnitBlueprint& u : recording.logicUnits)
        if (u.unit < 0 || u.unit >= 16)
            Refuse("logic unit " + std::to_string(u.unit) + " beyond the 16 units");
    for (const FloatBlueprint& f : recording.floats)
        if (f.slot < 0 || f.slot >= kFamily6FloatSlots)
            Refuse("float slot " + std::to_string(f.slot) + " beyond the 16 calculation channels");

    RecordBlueprint main = BaseMainRecord(recording);
    if (!recording.mainFields.count(26))
        main.fields[26] = std::to_string(positions.size());

    std::vector<RecordBlueprint> records;
    for (const auto& r : StandardChannelRecords(recording))
        records.push_back(r);
    for (const LogicWordBlueprint& w : recording.logicWords) {
        RecordBlueprint r { "HC", w.fields, {} };
        r.fields[1] = std::to_string(w.slot + 1);
        r.fields[kFamily6ModeField] = std::string(kFamily6LogicMode);
        records.push_back(std::move(r));
    }
    for (const FloatBlueprint& f : recording.floats) {
        RecordBlueprint r { "HZ", f.fields, {} };
        r.fields[1] = "Z" + std::to_string(f.slot + 1);
        records.push_back(std::move(r));
    }
    std::vector<std::uint8_t> out = HeaderBytes(main, records, recording);

    struct Block {
        std::vector<std::uint32_t> primary, secondary;
    };
    std::vector<Block> blocks;
    for (int b = 0; b < 4; ++b) {
        bool any = false;
        Block block { ClassicLogicWords(recording, b, false, any), {} };
        if (!any)
            continue;
        if (pairs)
            block.secondary = ClassicLogicWords(recording, b, true, any);
        blocks.push_back(std::move(block));
    }

    const auto points = static_cast<std::size_t>(recording.dataLength);
    for (std::size_t p = 0; p < points; ++p) {
        for (const Position& pos : positions) {
            if (pos.analog != nullptr) {
                PutBE16(out, pos.analog->primary[p]);
                if (pairs)
                    PutBE16(out, pos.analog->secondary[p]);
            } else if (pos.word != nullptr) {
                const std::uint32_t value = pos.word->primary[p];
                PutBE16(out, static_cast<std::uint16_t>(p % 2 == 0 ? value >> 16 : value));
            }
        }
        for (const Block& block : blocks) {
            PutBE16(out, static_cast<std::uint16_t>(block.primary[p]));
            if (pairs)
                PutBE16(out, static_cast<std::uint16_t>(block.secondary[p]));
        }
    }
    std::vector<const FloatBlueprint*> floats;
    for (const FloatBlueprint& f : recording.floats)
        floats.push_back(&f);
    std::sort(floats.begin(), floats.end(), [](auto* a, auto* b) { return a->slot < b->slot; });
    for (std::size_t p = 0; p < points; ++p)
        for (const FloatBlueprint* f : floats)
            PutBEFloat(out, f->primary[p]);
    return out;
}

} // namespace kp::synth
