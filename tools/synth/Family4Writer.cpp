// Family 4: the 2048-byte "VORAN4756" header, then one block per saved channel
// (slot order) and up to two logic blocks (units 0-3, units 4-7). Values are
// stored above the channel's zero offset: 727 when its unit slot names a
// "4522" or "3251" unit (the module text comes from channel field 2), 2048
// otherwise; the stored word wraps modulo 2^16, so every code can be written.
//
// Logic pairs are stored as (d, q) with primary = q OR d and secondary =
// (NOT q) AND d: a secondary probe set that is not inside the primary one
// cannot be stored and is refused. Units from 8 on cannot be stored. The
// reader takes every unit below the logic count as saved, so units missing
// from a written block read as 0.
#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "synth/BinaryScalingWriter.h"
#include "synth/FamilyWriter.h"
#include "wavefile/ByteReader.h"
#include "wavefile/OldHeader.h"

namespace kp::synth {

namespace {

void PutHeaderText(
    std::vector<std::uint8_t>& header, std::size_t offset, const std::string& text, std::size_t maxLength)
{
    if (text.size() > maxLength)
        throw std::invalid_argument("family 4: header text too long: " + text);
    std::memcpy(header.data() + offset, text.data(), text.size());
}

// Right-aligned with leading blanks, as the instrument writes its counts.
std::string RightAligned(long long value, std::size_t width)
{
    std::string digits = std::to_string(value);
    if (digits.size() > width)
        throw std::invalid_argument("family 4: count " + digits + " too wide");
    return std::string(width - digits.size(), ' ') + digits;
}

} // namespace

std::vector<std::uint8_t> WriteFamily4(const Recording& recording)
{
    const std::string what = "family 4";
    namespace oh = kp::oldheader;
    CheckArrayLengths(recording, what);
    CheckNibbles(recording, what);
    const auto analog = SortedAnalog(recording, oh::kMaxChannels, what);
    const auto units = SortedUnits(recording, 8, what);
    const bool pairs = IsPairFunction(recording.function);
    const auto length = static_cast<std::size_t>(recording.dataLength);
    if (recording.function.size() != 3)
        throw std::invalid_argument(what + ": the function must be three characters");
    if (!recording.events.empty())
        throw std::invalid_argument(what + ": the old header has no event marks");

    const int positions = analog.empty() ? 0 : analog.back()->slot + 1;
    const int blocks = units.empty() ? 0 : (units.back()->unit >= 4 ? 2 : 1);

    std::vector<std::uint8_t> out(oh::kSize, 0);
    PutHeaderText(out, 0, oh::kMagic, 9);
    PutHeaderText(out, oh::kFunction, recording.function, 3);
    PutHeaderText(out, oh::kWave, "WAVE", 4);
    PutHeaderText(out, oh::kPointsPerDiv, "100", 8);
    PutHeaderText(out, oh::kDataLength, std::to_string(length * (pairs ? 2 : 1)), oh::kDataLengthSize - 1);
    PutHeaderText(out, oh::kAnalogCount, RightAligned(positions, 3), 3);
    PutHeaderText(out, oh::kLogicCount, RightAligned(blocks, 3), 3);
    for (int i = 0; i < positions; ++i)
        out[oh::kSavedFlags + static_cast<std::size_t>(i)] = '0';
    for (const auto* a : analog) {
        out[oh::kSavedFlags + static_cast<std::size_t>(a->slot)] = '1';
        PutFamily4Scaling(out, recording, a->slot);
        auto module = a->fields.find(2);
        if (module != a->fields.end() && a->slot < oh::kUnitSlotCount)
            PutHeaderText(out, oh::kUnitSlots + static_cast<std::size_t>(a->slot) * oh::kUnitSlotSize, module->second,
                oh::kUnitModelSize);
    }

    const std::size_t pointBytes = pairs ? 4 : 2;
    out.reserve(out.size() + (analog.size() + static_cast<std::size_t>(blocks)) * length * pointBytes);
    for (const auto* a : analog) {
        const auto zero = static_cast<std::uint16_t>(oh::ChannelZeroOffset(std::span(out.data(), oh::kSize), a->slot));
        for (std::size_t k = 0; k < length; ++k) {
            PutBE16(out, static_cast<std::uint16_t>(a->primary[k] + zero));
            if (pairs)
                PutBE16(out, static_cast<std::uint16_t>(a->secondary[k] + zero));
        }
    }
    auto probes = [&](std::size_t k, int block, bool secondary) {
        std::uint16_t word = 0;
        for (const auto* u : units)
            if (u->unit / 4 == block)
                word = static_cast<std::uint16_t>(
                    word | ((secondary ? u->secondary[k] : u->primary[k]) << (4 * (u->unit % 4))));
        return word;
    };
    // The reader byte-swaps, then reverses the nibble order.
    auto stored = [](std::uint16_t probeBits) { return SwapBytes16(ReverseNibbles16(probeBits)); };
    for (int block = 0; block < blocks; ++block) {
        for (std::size_t k = 0; k < length; ++k) {
            const std::uint16_t primary = probes(k, block, false);
            if (!pairs) {
                PutBE16(out, stored(primary));
                continue;
            }
            const std::uint16_t secondary = probes(k, block, true);
            if ((secondary & ~primary) != 0)
                throw std::invalid_argument(what + ": a secondary probe set outside the primary one");
            PutBE16(out, stored(primary));
            PutBE16(out, stored(static_cast<std::uint16_t>(primary & ~secondary)));
        }
    }
    return out;
}

} // namespace kp::synth
