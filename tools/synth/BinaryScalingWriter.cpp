#include "synth/BinaryScalingWriter.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <stdexcept>

#include "interpret/HeaderBlockLayout.h"
#include "synth/FamilyWriter.h"

namespace kp::synth {

namespace {

constexpr int kScalingSwitchField = 21;
constexpr int kUnitChannels = 8;

std::vector<std::uint8_t> BigEndianDouble(double value)
{
    std::vector<std::uint8_t> out;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    PutBE32(out, static_cast<std::uint32_t>(bits >> 32));
    PutBE32(out, static_cast<std::uint32_t>(bits));
    return out;
}

std::vector<std::uint8_t> BigEndianFloat(float value)
{
    std::vector<std::uint8_t> out;
    PutBEFloat(out, value);
    return out;
}

std::pair<std::size_t, std::vector<std::uint8_t>> HexDoubleField(int field, double value)
{
    char digits[17];
    std::snprintf(
        digits, sizeof digits, "%016llX", static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    return { static_cast<std::size_t>(field) * 12, std::vector<std::uint8_t>(digits, digits + 16) };
}

} // namespace

void CheckBinaryScaling(const Recording& recording, HeaderFamily family)
{
    if (recording.binaryScaling.empty())
        return;
    if (family != HeaderFamily::Family4 && family != HeaderFamily::Family7 && family != HeaderFamily::Family8)
        throw std::invalid_argument("family " + std::to_string(FamilyNumber(family)) + " keeps its scaling as text");
    for (const auto& [slot, scaling] : recording.binaryScaling) {
        const bool saved = std::any_of(recording.analog.begin(), recording.analog.end(),
            [slot](const AnalogBlueprint& a) { return a.slot == slot; });
        if (!saved)
            throw std::invalid_argument("binary scaling for slot " + std::to_string(slot) + ", no analog channel");
    }
}

const BinaryScaling* BinaryScalingOf(const Recording& recording, int slot)
{
    const auto it = recording.binaryScaling.find(slot);
    return it == recording.binaryScaling.end() ? nullptr : &it->second;
}

std::map<int, std::string> FieldsWithScalingSwitch(const Recording& recording, const AnalogBlueprint& channel)
{
    std::map<int, std::string> fields = channel.fields;
    if (BinaryScalingOf(recording, channel.slot))
        fields[kScalingSwitchField] = "ON";
    return fields;
}

void PutFamily4Scaling(std::vector<std::uint8_t>& header, const Recording& recording, int slot)
{
    namespace f4 = layout::family4;
    const BinaryScaling* scaling = BinaryScalingOf(recording, slot);
    if (!scaling)
        return;
    if (slot >= f4::kChannelBlockCount)
        throw std::invalid_argument("family 4: channel " + std::to_string(slot) + " has no block for scaling");
    const std::size_t block = f4::kChannelBlocks + static_cast<std::size_t>(slot) * f4::kChannelBlockSize;
    header.at(block + f4::kScaling) = 1; // "ON(SCI)"
    const auto put = [&](std::size_t at, double value) {
        const auto bytes = BigEndianFloat(static_cast<float>(value));
        std::copy(bytes.begin(), bytes.end(), header.begin() + static_cast<std::ptrdiff_t>(block + at));
    };
    put(f4::kScalingRatio, scaling->ratio);
    put(f4::kScalingOffset, scaling->offset);
}

std::vector<RecordBlueprint> Family7UnitBlocks(const Recording& recording)
{
    namespace f7 = layout::family7;
    std::map<int, std::vector<int>> units;
    for (const AnalogBlueprint& a : recording.analog)
        units[a.slot / kUnitChannels].push_back(a.slot);
    std::vector<RecordBlueprint> blocks;
    for (const auto& [unit, slots] : units) {
        const auto scaled = std::count_if(
            slots.begin(), slots.end(), [&](int slot) { return BinaryScalingOf(recording, slot) != nullptr; });
        if (scaled == 0)
            continue;
        if (static_cast<std::size_t>(scaled) != slots.size() || unit >= 99)
            throw std::invalid_argument("family 7: unit " + std::to_string(unit)
                + " keeps all its channels in one block: give every channel binary scaling");
        char tag[16];
        std::snprintf(tag, sizeof tag, "HPF%02d", unit + 1);
        RecordBlueprint r { tag, {}, {} };
        for (const int slot : slots) {
            const BinaryScaling& s = *BinaryScalingOf(recording, slot);
            const std::size_t n = 8 * static_cast<std::size_t>(slot % kUnitChannels);
            r.bytes.push_back({ f7::kValuePerCode + n, BigEndianDouble(s.valuePerCode) });
            r.bytes.push_back({ f7::kOffset + n, BigEndianDouble(s.valueOffset) });
            r.bytes.push_back({ f7::kScalingRatio + n, BigEndianDouble(s.ratio) });
            r.bytes.push_back({ f7::kScalingOffset + n, BigEndianDouble(s.offset) });
        }
        blocks.push_back(std::move(r));
    }
    return blocks;
}

std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> Family8ScalingBytes(const BinaryScaling& scaling)
{
    return { HexDoubleField(14, scaling.valuePerCode), HexDoubleField(16, scaling.valueOffset),
        HexDoubleField(22, scaling.ratio), HexDoubleField(24, scaling.offset) };
}

} // namespace kp::synth
