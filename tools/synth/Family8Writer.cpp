// Family 8 recording writer. Channels the map cannot place (analog slots from
// 60, 32-bit slots outside the logic-unit, GPS and calculation ranges, more
// than 20 logic units, 2 pulse or 8 float channels) are refused.
#include "synth/Family8Writer.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "synth/BinaryScalingWriter.h"
#include "synth/FamilyWriter.h"
#include "synth/FrameWriter.h"
#include "wavefile/ChannelMap.h"

namespace kp::synth {

namespace {

std::string TwoDigits(int value, const char* what)
{
    if (value < 0 || value > 99)
        throw std::invalid_argument(
            std::string("family 8 map: ") + what + " " + std::to_string(value) + " does not fit two digits");
    char text[3];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

[[noreturn]] void Refuse(const std::string& why)
{
    throw std::invalid_argument("family 8: " + why);
}

struct Builder {
    const Recording& rec;
    std::vector<FrameValue> values;
    std::vector<RecordBlueprint> channels, channels02, pulses, logic, floats;

    void Add(char letter, char width, int unit, int channel, int size, std::vector<std::uint32_t> primary)
    {
        FrameValue v;
        v.size = size;
        v.entry = [=](int offset) { return Family8MapEntry(letter, width, unit, channel, offset); };
        v.primary = std::move(primary);
        values.push_back(std::move(v));
    }

    void Channel(const std::string& designation, const std::map<int, std::string>& fields)
    {
        RecordBlueprint r { "HC", fields, {} };
        r.fields[1] = designation;
        channels.push_back(std::move(r));
    }

    void Analog()
    {
        for (const AnalogBlueprint& a : rec.analog) {
            if (a.slot < 0 || a.slot >= kFamily8AnalogSlots)
                Refuse("analog slot " + std::to_string(a.slot) + " is outside the 60 unit channels");
            Add('A', '1', a.slot / 15, a.slot % 15, 2, Widened(a.primary));
            Channel(std::to_string(a.slot + 1), FieldsWithScalingSwitch(rec, a));
            const BinaryScaling* scaling = BinaryScalingOf(rec, a.slot);
            if (!a.fields02.empty() || scaling) {
                RecordBlueprint r { "HC02", a.fields02, {} };
                r.fields[1] = std::to_string(a.slot + 1);
                if (scaling)
                    r.bytes = Family8ScalingBytes(*scaling);
                channels02.push_back(std::move(r));
            }
        }
    }

    const LogicWordBlueprint* Word(int slot) const
    {
        for (const LogicWordBlueprint& w : rec.logicWords)
            if (w.slot == slot)
                return &w;
        return nullptr;
    }

    // One 32-bit value carries the GPS slots [first, first + count).
    void GpsSplitGroup(int first, int count, int entry)
    {
        std::vector<const LogicWordBlueprint*> parts;
        for (int s = first; s < first + count; ++s)
            parts.push_back(Word(s));
        const bool anyPart = std::any_of(parts.begin(), parts.end(), [](auto* p) { return p != nullptr; });
        if (!anyPart)
            return;
        if (std::find(parts.begin(), parts.end(), nullptr) != parts.end())
            Refuse("GPS slots " + std::to_string(first) + "-" + std::to_string(first + count - 1)
                + " share one value and one header: give all of them");
        const std::size_t points = parts[0]->primary.size();
        std::vector<std::uint32_t> packed(points, 0);
        for (int k = 0; k < count; ++k) {
            const auto it = rec.gpsSplits.find(first + k);
            const GpsSplitBlueprint split = it == rec.gpsSplits.end() ? GpsSplitBlueprint {} : it->second;
            for (std::size_t p = 0; p < points; ++p)
                packed[p] |= (parts[k]->primary[p] << split.shift) & split.mask;
        }
        for (int k = 0; k < count; ++k) {
            const auto it = rec.gpsSplits.find(first + k);
            const GpsSplitBlueprint split = it == rec.gpsSplits.end() ? GpsSplitBlueprint {} : it->second;
            for (std::size_t p = 0; p < points; ++p)
                if (((packed[p] & split.mask) >> split.shift) != parts[k]->primary[p])
                    Refuse("GPS slot " + std::to_string(first + k) + " value at point " + std::to_string(p)
                        + " does not survive its mask and shift");
        }
        Add('G', '1', entry / 2, entry % 2 + 2, 4, std::move(packed));
        Channel("GPS" + std::to_string(entry), parts[0]->fields);
    }

    void Words()
    {
        for (const LogicWordBlueprint& w : rec.logicWords) {
            const int s = w.slot;
            if (s >= 0 && s < kFamily8AnalogSlots) {
                Add('A', '2', s / 15, s % 15, 4, w.primary);
                Channel(std::to_string(s + 1), w.fields);
            } else if (s >= kFamily8GpsFirstSlot && s < kFamily8GpsSplitFirstSlot) {
                const int n = s - kFamily8GpsFirstSlot;
                Add('G', '1', n / 2, n % 2 + 2, 4, w.primary);
                // GPS1-GPS5 name slots 240-244; the sixth quantity has no GPS
                // designation of its own and goes by its number.
                Channel(n < 5 ? "GPS" + std::to_string(n + 1) : std::to_string(s + 1), w.fields);
            } else if (s >= kFamily8GpsSplitFirstSlot && s < kFamily8GpsSplitFirstSlot + kFamily8GpsSplitSlots) {
                continue; // written per group below
            } else if (s >= kFamily8WaveCalcFirstSlot && s < kFamily8WaveCalcFirstSlot + 8) {
                const int n = s - kFamily8WaveCalcFirstSlot;
                Add('W', '1', n / 2, n % 2, 4, w.primary);
                Channel("W" + std::to_string(n / 2 + 1) + "-" + std::to_string(n % 2 + 1), w.fields);
            } else {
                Refuse("32-bit slot " + std::to_string(s) + " has no place in the map");
            }
        }
        GpsSplitGroup(kFamily8GpsSplitFirstSlot, 3, 6);
        GpsSplitGroup(kFamily8GpsSplitFirstSlot + 3, 4, 7);
    }

    void LogicUnits()
    {
        for (const LogicUnitBlueprint& u : rec.logicUnits) {
            if (u.unit < 0 || u.unit >= 20)
                Refuse("logic unit " + std::to_string(u.unit) + " beyond the 20 units");
            RecordBlueprint r { "HL", u.fields, {} };
            // Built-in logic is "INTL<n>", CAN logic "<unit>-<channel>" from unit 4.
            r.fields[1] = u.unit < 4
                ? "INTL" + std::to_string(u.unit + 1)
                : std::to_string((u.unit - 4) / 4 + 1) + "-" + std::to_string((u.unit - 4) % 4 + 1);
            logic.push_back(std::move(r));
        }
        for (int half = 0; half < 5; ++half) {
            bool any = false;
            auto words = ClassicLogicWords(rec, half, false, any);
            if (any)
                Add(half == 0 ? 'I' : 'C', '1', half == 0 ? 0 : half - 1, 0, 2, std::move(words));
        }
    }

    void PulsesAndFloats()
    {
        for (const PulseBlueprint& p : rec.pulses) {
            if (p.slot < 0 || p.slot >= kFamily8PulseChannels)
                Refuse("pulse slot " + std::to_string(p.slot) + " beyond the 2 pulse channels");
            Add('P', '1', 0, p.slot, 2, Widened(p.primary));
            RecordBlueprint r { "HJ", p.fields, {} };
            r.fields[1] = "P" + std::to_string(p.slot + 1);
            pulses.push_back(std::move(r));
        }
        for (const FloatBlueprint& f : rec.floats) {
            if (f.slot < 0 || f.slot >= kFamily8FloatChannels)
                Refuse("float slot " + std::to_string(f.slot) + " beyond the 8 calculation channels");
            Add('S', '1', 0, f.slot, 4, FloatBits(f.primary));
            RecordBlueprint r { "HZ", f.fields, {} };
            r.fields[1] = "Z" + std::to_string(f.slot + 1);
            floats.push_back(std::move(r));
        }
    }

    RecordBlueprint GpsHeader() const
    {
        RecordBlueprint hq { "HQ", {}, {} };
        for (const auto& [slot, split] : rec.gpsSplits) {
            const int k = slot - kFamily8GpsSplitFirstSlot;
            if (k < 0 || k >= kFamily8GpsSplitSlots || split.shift < 0 || split.shift > 31)
                Refuse("GPS split for slot " + std::to_string(slot) + " is not one of 246-252 with a shift 0-31");
            char mask[9];
            std::snprintf(mask, sizeof mask, "%08X", static_cast<unsigned>(split.mask));
            hq.fields[kGpsSplitMaskField + 2 * k] = mask;
            hq.fields[kGpsSplitMaskField + 2 * k + 1] = std::to_string(split.shift);
        }
        return hq;
    }
};

} // namespace

std::string Family8MapEntry(char letter, char width, int unit, int channel, int offsetBytes)
{
    if (unit < 0 || unit > 9)
        throw std::invalid_argument("family 8 map: unit " + std::to_string(unit) + " does not fit one digit");
    if (offsetBytes % 2 != 0)
        throw std::invalid_argument("family 8 map: odd byte offset " + std::to_string(offsetBytes));
    return std::string("1") + letter + width + static_cast<char>('0' + unit) + TwoDigits(channel, "channel") + "000"
        + TwoDigits(offsetBytes / 2, "offset in words");
}

std::vector<std::uint8_t> WriteFamily8(const Recording& recording)
{
    if (recording.function != "MEM" && recording.function != "MEM&FFT")
        Refuse("only memory recordings carry frames");
    CheckArrayLengths(recording, "family 8");

    Builder b { recording, {}, {}, {}, {}, {}, {} };
    b.Analog();
    b.Words();
    b.LogicUnits();
    b.PulsesAndFloats();
    if (b.values.size() > static_cast<std::size_t>(kFamily8MapEntries))
        Refuse("more than 120 map entries");
    const FrameImage image
        = LayOutFrames(b.values, static_cast<std::size_t>(recording.dataLength), false, recording.frameSlack);

    std::vector<RecordBlueprint> records;
    records.push_back(
        RecordBlueprint { "HW-001", { { kFamily8FrameSizeField, std::to_string(image.frameSize) } }, {} });
    for (std::size_t first = 0; first < image.entries.size(); first += kFamily8MapEntriesPerRecord) {
        RecordBlueprint map { "HW-002", {}, {} };
        for (std::size_t k = first; k < image.entries.size() && k < first + kFamily8MapEntriesPerRecord; ++k)
            map.fields[kMapFirstField + static_cast<int>(k - first)] = image.entries[k];
        records.push_back(std::move(map));
    }
    for (auto* group : { &b.channels, &b.channels02, &b.pulses, &b.logic, &b.floats })
        records.insert(records.end(), group->begin(), group->end());
    if (!recording.gpsSplits.empty())
        records.push_back(b.GpsHeader());

    const auto events = EventMarkRecords(recording, HeaderFamily::Family8);
    records.insert(records.end(), events.begin(), events.end());
    std::vector<std::uint8_t> out = HeaderBytes(BaseMainRecord(recording), records, recording);
    out.insert(out.end(), image.data.begin(), image.data.end());
    return out;
}

} // namespace kp::synth
