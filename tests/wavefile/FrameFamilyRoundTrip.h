#pragma once
// Round-trip helpers for the family 6-9 tests: write a recording, read its
// header, allocate the tables for a range of points, decode, and compare the
// tables with what the writer was told.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/SampleFixtures.h"
#include "synth/RecordingWriter.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelTables.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/TableAllocation.h"

namespace kp::test::frames {

using test::Decoded;
using test::DecodeFile;

// Decodes points [first, first + count) of a written file; count < 0 means
// the whole record.
inline Decoded DecodeBytes(const std::vector<std::uint8_t>& bytes, std::int64_t first = 0, std::int64_t count = -1)
{
    return DecodeFile(bytes, first, count);
}

// The tables hold exactly the recording's channels, with its values for
// points [first, first + count).
inline void ExpectTablesHold(
    const synth::Recording& rec, const ChannelTables& t, std::int64_t first, std::int64_t count)
{
    const bool pairs = rec.function == "REC" || rec.function == "RMS";
    auto index = [&](std::int64_t i) { return static_cast<std::size_t>(first + i); };
    int analogSaved = 0, logicSaved = 0, floatSaved = 0, pulseSaved = 0;
    for (const auto& s : t.analog)
        analogSaved += s.saved;
    for (const auto& s : t.logic)
        logicSaved += s.saved;
    for (const auto& s : t.floats)
        floatSaved += s.saved;
    for (const auto& s : t.pulse)
        pulseSaved += s.saved;
    EXPECT_EQ(analogSaved, static_cast<int>(rec.analog.size()));
    EXPECT_EQ(logicSaved, static_cast<int>(rec.logicWords.size()));
    EXPECT_EQ(floatSaved, static_cast<int>(rec.floats.size()));
    EXPECT_EQ(pulseSaved, static_cast<int>(rec.pulses.size()));

    for (const auto& a : rec.analog) {
        const auto& slot = t.analog[a.slot];
        ASSERT_TRUE(slot.saved) << "analog " << a.slot;
        ASSERT_EQ(slot.primary.size(), static_cast<std::size_t>(count)) << "analog " << a.slot;
        for (std::int64_t i = 0; i < count; ++i) {
            EXPECT_EQ(slot.primary[i], a.primary[index(i)]) << "analog " << a.slot << " point " << first + i;
            if (pairs) {
                EXPECT_EQ(slot.secondary[i], a.secondary[index(i)]) << "analog " << a.slot << " point " << first + i;
            }
        }
    }
    for (const auto& w : rec.logicWords) {
        const auto& slot = t.logic[w.slot];
        ASSERT_TRUE(slot.saved) << "logic " << w.slot;
        ASSERT_EQ(slot.primary.size(), static_cast<std::size_t>(count));
        for (std::int64_t i = 0; i < count; ++i) {
            EXPECT_EQ(slot.primary[i], w.primary[index(i)]) << "logic " << w.slot << " point " << first + i;
            if (pairs) {
                EXPECT_EQ(slot.secondary[i], w.secondary[index(i)]) << "logic " << w.slot << " point " << first + i;
            }
        }
    }
    for (const auto& f : rec.floats) {
        const auto& slot = t.floats[f.slot];
        ASSERT_TRUE(slot.saved) << "float " << f.slot;
        ASSERT_EQ(slot.primary.size(), static_cast<std::size_t>(count));
        for (std::int64_t i = 0; i < count; ++i) {
            EXPECT_EQ(std::bit_cast<std::uint32_t>(slot.primary[i]), std::bit_cast<std::uint32_t>(f.primary[index(i)]))
                << "float " << f.slot << " point " << first + i;
            if (pairs) {
                EXPECT_EQ(std::bit_cast<std::uint32_t>(slot.secondary[i]),
                    std::bit_cast<std::uint32_t>(f.secondary[index(i)]))
                    << "float " << f.slot << " point " << first + i;
            }
        }
    }
    for (const auto& p : rec.pulses) {
        const auto& slot = t.pulse[p.slot];
        ASSERT_TRUE(slot.saved) << "pulse " << p.slot;
        ASSERT_EQ(slot.primary.size(), static_cast<std::size_t>(count));
        for (std::int64_t i = 0; i < count; ++i)
            EXPECT_EQ(slot.primary[i], p.primary[index(i)]) << "pulse " << p.slot << " point " << first + i;
    }
    for (const auto& u : rec.logicUnits) {
        EXPECT_TRUE(t.logicGroups.unitSaved[u.unit]) << "unit " << u.unit;
        const auto& group = t.logicGroups.groups[u.unit / 8];
        ASSERT_EQ(group.primary.size(), static_cast<std::size_t>(count)) << "unit " << u.unit;
        const int shift = 4 * (u.unit % 8);
        for (std::int64_t i = 0; i < count; ++i) {
            EXPECT_EQ((group.primary[i] >> shift) & 0xF, u.primary[index(i)])
                << "unit " << u.unit << " point " << first + i;
            if (pairs) {
                EXPECT_EQ((group.secondary[i] >> shift) & 0xF, u.secondary[index(i)])
                    << "unit " << u.unit << " point " << first + i;
            }
        }
    }
}

// Every array of two decodes of the same points, the second one block by block.
inline void ExpectSameTables(const ChannelTables& whole, const ChannelTables& part, std::int64_t offset)
{
    auto equalFrom = [&](const auto& a, const auto& b) {
        if (b.empty())
            return a.empty() || offset >= 0;
        return static_cast<std::size_t>(offset) + b.size() <= a.size()
            && std::memcmp(a.data() + offset, b.data(), b.size() * sizeof b[0]) == 0;
    };
    auto same = [&](const auto& a, const auto& b, const char* what, int slot) {
        EXPECT_EQ(a.saved, b.saved) << what << " " << slot;
        EXPECT_TRUE(equalFrom(a.primary, b.primary)) << what << " " << slot << " from point " << offset;
        EXPECT_TRUE(equalFrom(a.secondary, b.secondary)) << what << " " << slot << " from point " << offset;
    };
    for (int s = 0; s < kAnalogSlots; ++s)
        same(whole.analog[s], part.analog[s], "analog", s);
    for (int s = 0; s < kLogicSlots; ++s)
        same(whole.logic[s], part.logic[s], "logic", s);
    for (int s = 0; s < kFloatSlots; ++s)
        same(whole.floats[s], part.floats[s], "float", s);
    for (int s = 0; s < kPulseSlots; ++s)
        same(whole.pulse[s], part.pulse[s], "pulse", s);
    for (int g = 0; g < kLogicGroups; ++g)
        same(whole.logicGroups.groups[g], part.logicGroups.groups[g], "group", g);
}

// Decodes the file whole and then in blocks of `block` points, and expects the
// blocks to hold the same values.
inline void ExpectBlocksMatchWhole(const std::vector<std::uint8_t>& bytes, std::int64_t block)
{
    Decoded whole = DecodeBytes(bytes);
    ASSERT_EQ(whole.result.status, DecodeStatus::Complete) << whole.result.detail;
    const std::int64_t length = whole.head.GetDataLength();
    for (std::int64_t first = 0; first < length; first += block) {
        Decoded part = DecodeBytes(bytes, first, std::min(block, length - first));
        ASSERT_EQ(part.result.status, DecodeStatus::Complete) << part.result.detail;
        ExpectSameTables(whole.tables, part.tables, first);
    }
}

// Replaces field `field` of the first record tagged `tag` in a written file.
inline void PatchField(std::vector<std::uint8_t>& bytes, const std::string& tag, int field, const std::string& text)
{
    for (std::size_t at = 0; at + 512 <= bytes.size(); at += 512) {
        const std::string recordTag(reinterpret_cast<const char*>(&bytes[at]), tag.size());
        if (recordTag == tag && bytes[at + tag.size()] == 0) {
            std::fill(bytes.begin() + at + 12 * field, bytes.begin() + at + 12 * field + 12, 0);
            std::copy(text.begin(), text.end(), bytes.begin() + at + 12 * field);
            return;
        }
    }
    ADD_FAILURE() << "no record " << tag;
}

// Seeded values for the round trips.
class Values {
public:
    explicit Values(unsigned seed)
        : rng_(SeededRandom(seed))
    {
    }
    std::vector<std::uint16_t> u16(std::size_t n) { return make<std::uint16_t>(n, 0xFFFF); }
    std::vector<std::uint32_t> u32(std::size_t n) { return make<std::uint32_t>(n, 0xFFFFFFFFu); }
    std::vector<std::uint8_t> nibbles(std::size_t n) { return make<std::uint8_t>(n, 15); }
    std::vector<float> floats(std::size_t n)
    {
        std::vector<float> v(n);
        std::uniform_real_distribution<float> d(-1e6f, 1e6f);
        for (auto& x : v)
            x = d(rng_);
        return v;
    }

private:
    template <typename T> std::vector<T> make(std::size_t n, std::uint32_t max)
    {
        std::uniform_int_distribution<std::uint32_t> d(0, max);
        std::vector<T> v(n);
        for (auto& x : v)
            x = static_cast<T>(d(rng_));
        return v;
    }
    std::mt19937 rng_;
};

} // namespace kp::test::frames
