// Family 9 recording writer: memory (MEM) and envelope (REC) recordings.
#include "synth/Family9Writer.h"

#include <cstdio>
#include <stdexcept>

#include "synth/FamilyWriter.h"
#include "synth/FrameWriter.h"
#include "wavefile/ChannelMap.h"

namespace kp::synth {

namespace {

[[noreturn]] void Refuse(const std::string& why)
{
    throw std::invalid_argument("family 9: " + why);
}

std::string Digits(int value, int count, const char* what)
{
    const int limit = count == 2 ? 99 : 999;
    if (value < 0 || value > limit)
        throw std::invalid_argument(
            std::string("family 9 map: ") + what + " " + std::to_string(value) + " does not fit its digits");
    char text[4];
    std::snprintf(text, sizeof text, "%0*d", count, value);
    return text;
}

template <typename Blueprint> std::vector<std::uint32_t> Secondary(const Blueprint& blueprint, bool pairs)
{
    return pairs ? Widened(blueprint.secondary) : std::vector<std::uint32_t> {};
}

} // namespace

std::string Family9MapEntry(char letter, int unit, int channel, bool logicWord, int offsetBytes)
{
    return std::string(1, letter) + Digits(unit, 2, "unit") + Digits(channel, 2, "channel") + "0"
        + (logicWord ? "2" : "1") + "0" + Digits(offsetBytes, 3, "offset");
}

std::vector<std::uint8_t> WriteFamily9(const Recording& recording)
{
    if (recording.function != "MEM" && recording.function != "REC")
        Refuse("only memory and envelope recordings carry frames");
    CheckArrayLengths(recording, "family 9");
    if (!recording.pulses.empty())
        Refuse("the family has no pulse channels");
    if (!recording.events.empty())
        Refuse("the family has no event marks");
    const bool pairs = recording.function == "REC";

    std::vector<FrameValue> values;
    std::vector<RecordBlueprint> channels, channels02, logic, floats;
    auto add = [&](char letter, int unit, int channel, bool word, int size, std::vector<std::uint32_t> primary,
                   std::vector<std::uint32_t> secondary) {
        FrameValue v;
        v.size = size;
        v.entry = [=](int offset) { return Family9MapEntry(letter, unit, channel, word, offset); };
        v.primary = std::move(primary);
        v.secondary = std::move(secondary);
        values.push_back(std::move(v));
    };

    for (const AnalogBlueprint& a : recording.analog) {
        if (a.slot < 0 || a.slot >= kFamily9AnalogSlots)
            Refuse("analog slot " + std::to_string(a.slot) + " beyond the 256 analog channels");
        add('A', a.slot / 8 + 1, a.slot % 8 + 1, false, 2, Widened(a.primary), Secondary(a, pairs));
        RecordBlueprint r { "HC", a.fields, {} };
        r.fields[1] = std::to_string(a.slot + 1);
        channels.push_back(std::move(r));
        if (!a.fields02.empty()) {
            RecordBlueprint r02 { "HC02", a.fields02, {} };
            r02.fields[1] = std::to_string(a.slot + 1);
            channels02.push_back(std::move(r02));
        }
    }
    for (const LogicWordBlueprint& w : recording.logicWords) {
        if (w.slot < 0 || w.slot >= 352)
            Refuse("32-bit slot " + std::to_string(w.slot) + " beyond the channel table");
        add('A', w.slot / 8 + 1, w.slot % 8 + 1, true, 4, w.primary, Secondary(w, pairs));
        RecordBlueprint r { "HC", w.fields, {} };
        r.fields[1] = std::to_string(w.slot + 1);
        channels.push_back(std::move(r));
    }
    for (const LogicUnitBlueprint& u : recording.logicUnits) {
        if (u.unit < 0 || u.unit >= 128)
            Refuse("logic unit " + std::to_string(u.unit) + " beyond the 128 units");
        RecordBlueprint r { "HL", u.fields, {} };
        r.fields[1] = "L" + std::to_string(u.unit + 1);
        logic.push_back(std::move(r));
    }
    for (int half = 0; half < 32; ++half) {
        bool any = false;
        auto primary = ClassicLogicWords(recording, half, false, any);
        if (any)
            add('H', half + 1, 1, false, 2, std::move(primary),
                pairs ? ClassicLogicWords(recording, half, true, any) : std::vector<std::uint32_t> {});
    }
    for (const FloatBlueprint& f : recording.floats) {
        // "HR" keeps slots 0-15 (map letter W), "HZ" 16-31 (Z), "HV" 32-94 (V);
        // the header reader names no slot 95.
        const int s = f.slot;
        if (s < 0 || s >= 95)
            Refuse("float slot " + std::to_string(s) + " has no float header");
        const char letter = s < 16 ? 'W' : s < 32 ? 'Z' : 'V';
        const int number = s < 16 ? s + 1 : s < 32 ? s - 15 : s - 31;
        add(letter, 1, number, false, 4, FloatBits(f.primary),
            pairs ? FloatBits(f.secondary) : std::vector<std::uint32_t> {});
        RecordBlueprint r { s < 16 ? "HR" : s < 32 ? "HZ" : "HV", f.fields, {} };
        r.fields[1] = std::string(1, s < 16 ? 'R' : letter) + std::to_string(number);
        floats.push_back(std::move(r));
    }
    if (values.size() > static_cast<std::size_t>(kFamily9MapEntries))
        Refuse("more than 320 map entries");
    const FrameImage image
        = LayOutFrames(values, static_cast<std::size_t>(recording.dataLength), pairs, recording.frameSlack);

    std::vector<RecordBlueprint> records;
    records.push_back(RecordBlueprint { "HW00", { { kFamily9FrameSizeField, std::to_string(image.frameSize) } }, {} });
    for (std::size_t first = 0; first < image.entries.size(); first += kFamily9MapEntriesPerRecord) {
        RecordBlueprint map { "HW01", {}, {} };
        for (std::size_t k = first; k < image.entries.size() && k < first + kFamily9MapEntriesPerRecord; ++k)
            map.fields[kMapFirstField + static_cast<int>(k - first)] = image.entries[k];
        records.push_back(std::move(map));
    }
    for (auto* group : { &channels, &channels02, &logic, &floats })
        records.insert(records.end(), group->begin(), group->end());

    std::vector<std::uint8_t> out = HeaderBytes(BaseMainRecord(recording), records, recording);
    out.insert(out.end(), image.data.begin(), image.data.end());
    return out;
}

} // namespace kp::synth
