#include "synth/FamilyWriter.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "interpret/EventMarks.h"
#include "synth/BinaryScalingWriter.h"
#include "wavefile/ModelTables.h"

namespace kp::synth {

std::string VersionText(const Recording& recording)
{
    return recording.version.empty() ? recording.model : recording.version;
}

bool IsPairFunction(const std::string& function)
{
    return function == "REC" || function == "RMS";
}

RecordBlueprint BaseMainRecord(const Recording& recording)
{
    RecordBlueprint main;
    main.tag = "HW";
    main.fields[2] = recording.model;
    main.fields[4] = recording.function;
    main.fields[6] = std::to_string(recording.dataLength);
    main.fields[9] = VersionText(recording);
    if (!recording.subModel.empty())
        main.fields[15] = recording.subModel;
    for (const auto& [field, text] : recording.mainFields)
        main.fields[field] = text;
    return main;
}

namespace {

// A letter and a 1-based number ("L3").
std::string Designation(char letter, int number)
{
    std::string text = std::to_string(number);
    text.insert(text.begin(), letter);
    return text;
}

} // namespace

std::vector<RecordBlueprint> StandardChannelRecords(const Recording& recording)
{
    std::vector<RecordBlueprint> records;
    for (const auto& a : recording.analog) {
        RecordBlueprint r { "HC", FieldsWithScalingSwitch(recording, a), {} };
        r.fields[1] = std::to_string(a.slot + 1);
        records.push_back(std::move(r));
    }
    for (const auto& u : recording.logicUnits) {
        RecordBlueprint r { "HL", u.fields, {} };
        r.fields[1] = Designation('L', u.unit + 1);
        records.push_back(std::move(r));
    }
    for (const auto& p : recording.pulses) {
        RecordBlueprint r { "HJ", p.fields, {} };
        r.fields[1] = Designation('P', p.slot + 1);
        records.push_back(std::move(r));
    }
    const HeaderFamily family = HeaderFamilyFromVersion(VersionText(recording));
    if (family != HeaderFamily::Family5 && family != HeaderFamily::Family8 && family != HeaderFamily::Family9) {
        auto events = EventMarkRecords(recording, family);
        records.insert(records.end(), events.begin(), events.end());
    }
    return records;
}

std::vector<RecordBlueprint> EventMarkRecords(const Recording& recording, HeaderFamily family)
{
    namespace em = kp::eventmark;
    const std::string tag = family == HeaderFamily::Family3 ? "HE3019"
        : family == HeaderFamily::Family8                   ? "HE-QX3013"
                                                            : "HPE";
    const std::size_t perRecord = em::kPositionsPerRecord;
    const std::size_t recordsNeeded = (recording.events.size() + perRecord - 1) / perRecord;
    if (tag == "HPE" && recordsNeeded > 26)
        throw std::invalid_argument("event marks: the 26 \"HPE\" slots hold at most 1040 marks");
    std::vector<RecordBlueprint> records;
    for (std::size_t r = 0; r < recordsNeeded; ++r) {
        RecordBlueprint record { tag, {}, {} };
        if (tag == "HPE")
            record.bytes.push_back({ em::kSlotByte, { static_cast<std::uint8_t>('A' + r) } });
        const std::size_t first = r * perRecord;
        const std::size_t count = std::min(perRecord, recording.events.size() - first);
        record.fields[em::kCountField] = std::to_string(count);
        for (std::size_t i = 0; i < count; ++i)
            record.fields[em::kFirstPositionField + static_cast<int>(i)] = std::to_string(recording.events[first + i]);
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<std::uint8_t> HeaderBytes(
    RecordBlueprint main, const std::vector<RecordBlueprint>& records, const Recording& recording)
{
    main.fields[1] = std::to_string(1 + records.size() + recording.extraRecords.size());
    std::vector<std::uint8_t> out;
    out.reserve((1 + records.size() + recording.extraRecords.size()) * 512);
    AppendRecord(out, MakeRecord(main));
    for (const auto& r : records)
        AppendRecord(out, MakeRecord(r));
    for (const auto& r : recording.extraRecords)
        AppendRecord(out, MakeRecord(r));
    return out;
}

namespace {

template <typename Blueprint>
void CheckOne(
    const Blueprint& blueprint, std::size_t length, bool pairs, const std::string& what, const std::string& name)
{
    if (blueprint.primary.size() != length)
        throw std::invalid_argument(what + ": " + name + " has " + std::to_string(blueprint.primary.size())
            + " points, the data length is " + std::to_string(length));
    if constexpr (requires { blueprint.secondary; }) {
        if (blueprint.secondary.size() != (pairs ? length : 0))
            throw std::invalid_argument(what + ": " + name + " secondary array does not fit the function");
    }
}

} // namespace

void CheckArrayLengths(const Recording& recording, const std::string& what)
{
    if (recording.dataLength < 0)
        throw std::invalid_argument(what + ": negative data length");
    const auto length = static_cast<std::size_t>(recording.dataLength);
    const bool pairs = IsPairFunction(recording.function);
    for (const auto& a : recording.analog)
        CheckOne(a, length, pairs, what, "analog slot " + std::to_string(a.slot));
    for (const auto& w : recording.logicWords)
        CheckOne(w, length, pairs, what, "logic slot " + std::to_string(w.slot));
    for (const auto& u : recording.logicUnits)
        CheckOne(u, length, pairs, what, "logic unit " + std::to_string(u.unit));
    for (const auto& f : recording.floats)
        CheckOne(f, length, pairs, what, "float slot " + std::to_string(f.slot));
    for (const auto& p : recording.pulses)
        CheckOne(p, length, pairs, what, "pulse slot " + std::to_string(p.slot));
}

void PutBE16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}
void PutLE16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutBE32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutBE16(out, static_cast<std::uint16_t>(v >> 16));
    PutBE16(out, static_cast<std::uint16_t>(v));
}
void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutLE16(out, static_cast<std::uint16_t>(v));
    PutLE16(out, static_cast<std::uint16_t>(v >> 16));
}
void PutBEFloat(std::vector<std::uint8_t>& out, float value)
{
    PutBE32(out, std::bit_cast<std::uint32_t>(value));
}
void PutLEFloat(std::vector<std::uint8_t>& out, float value)
{
    PutLE32(out, std::bit_cast<std::uint32_t>(value));
}

} // namespace kp::synth

namespace kp::synth {

std::vector<const AnalogBlueprint*> SortedAnalog(const Recording& recording, int slotLimit, const std::string& what)
{
    std::vector<const AnalogBlueprint*> out;
    for (const auto& a : recording.analog) {
        if (a.slot < 0 || a.slot >= slotLimit)
            throw std::invalid_argument(
                what + ": analog slot " + std::to_string(a.slot) + " outside 0.." + std::to_string(slotLimit - 1));
        out.push_back(&a);
    }
    std::sort(
        out.begin(), out.end(), [](const AnalogBlueprint* x, const AnalogBlueprint* y) { return x->slot < y->slot; });
    for (std::size_t i = 1; i < out.size(); ++i)
        if (out[i]->slot == out[i - 1]->slot)
            throw std::invalid_argument(what + ": analog slot " + std::to_string(out[i]->slot) + " given twice");
    return out;
}

std::vector<const LogicUnitBlueprint*> SortedUnits(const Recording& recording, int unitLimit, const std::string& what)
{
    std::vector<const LogicUnitBlueprint*> out;
    for (const auto& u : recording.logicUnits) {
        if (u.unit < 0 || u.unit >= unitLimit)
            throw std::invalid_argument(
                what + ": logic unit " + std::to_string(u.unit) + " outside 0.." + std::to_string(unitLimit - 1));
        out.push_back(&u);
    }
    std::sort(out.begin(), out.end(),
        [](const LogicUnitBlueprint* x, const LogicUnitBlueprint* y) { return x->unit < y->unit; });
    for (std::size_t i = 1; i < out.size(); ++i)
        if (out[i]->unit == out[i - 1]->unit)
            throw std::invalid_argument(what + ": logic unit " + std::to_string(out[i]->unit) + " given twice");
    return out;
}

void CheckNibbles(const Recording& recording, const std::string& what)
{
    for (const auto& u : recording.logicUnits) {
        for (auto v : u.primary)
            if (v > 15)
                throw std::invalid_argument(what + ": logic unit value above 15");
        for (auto v : u.secondary)
            if (v > 15)
                throw std::invalid_argument(what + ": logic unit value above 15");
    }
}

} // namespace kp::synth
