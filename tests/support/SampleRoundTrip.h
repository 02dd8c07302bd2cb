#pragma once
// The round trip of a recording through the writer and the decoders, shared
// by the suites of every header family: a FamilyCase names a recording, and
// the fixture compares the decoded tables with the codes it was given.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <ostream>

#include "support/SampleFixtures.h"

namespace kp::test {

using synth::Recording;

struct FamilyCase {
    std::string name;
    int family;
    std::function<Recording()> make;
};

inline std::ostream& operator<<(std::ostream& os, const FamilyCase& c)
{
    return os << c.name;
}

inline bool Pairs(const Recording& r)
{
    return r.function == "REC" || r.function == "RMS";
}

inline synth::AnalogBlueprint Analog(
    int slot, std::vector<std::uint16_t> primary, std::vector<std::uint16_t> secondary = {})
{
    synth::AnalogBlueprint a;
    a.slot = slot;
    a.fields[2] = "VOLT";
    a.primary = std::move(primary);
    a.secondary = std::move(secondary);
    return a;
}

// Analog channels at the given slots and logic units, random codes; the
// secondary arrays only for pair-valued functions.
inline Recording Make(const std::string& model, const std::string& version, const std::string& function,
    std::int64_t length, std::vector<int> slots, std::vector<int> units, std::uint32_t salt, bool family0Codes = false,
    bool secondaryInsidePrimary = false)
{
    auto rng = SeededRandom(salt);
    Recording r;
    r.model = model;
    r.version = version;
    r.function = function;
    r.dataLength = length;
    const auto n = static_cast<std::size_t>(length);
    auto codes = [&] { return family0Codes ? RandomFamily0Codes(rng, n) : RandomCodes(rng, n); };
    for (int slot : slots)
        r.analog.push_back(Analog(slot, codes(), Pairs(r) ? codes() : std::vector<std::uint16_t> {}));
    for (int unit : units) {
        synth::LogicUnitBlueprint u;
        u.unit = unit;
        u.primary = RandomNibbles(rng, n);
        if (Pairs(r)) {
            u.secondary = RandomNibbles(rng, n);
            if (secondaryInsidePrimary)
                for (std::size_t k = 0; k < n; ++k)
                    u.secondary[k] &= u.primary[k];
        }
        r.logicUnits.push_back(std::move(u));
    }
    return r;
}

inline Recording WithRing(Recording r, int ringSize, int ringStart)
{
    r.mainFields[15] = std::to_string(ringSize);
    r.mainFields[10] = std::to_string(ringStart);
    return r;
}

inline Recording WithPulses(Recording r, std::vector<int> slots, std::uint32_t salt)
{
    auto rng = SeededRandom(salt);
    for (int slot : slots) {
        synth::PulseBlueprint p;
        p.slot = slot;
        p.primary = RandomCodes(rng, static_cast<std::size_t>(r.dataLength));
        r.pulses.push_back(std::move(p));
    }
    return r;
}

inline Recording WithModules(Recording r, std::map<int, std::string> modules)
{
    for (auto& a : r.analog)
        if (modules.contains(a.slot))
            a.fields[2] = modules[a.slot];
    return r;
}

// The group words a family's decoder builds from the units it was given.
inline std::uint32_t ExpectedGroupWord(const Recording& r, int family, int group, std::size_t k, bool secondary)
{
    std::uint32_t word = 0;
    for (const auto& u : r.logicUnits) {
        const int target = (family == 1 || family == 2) ? 0 : u.unit / 8;
        if (target != group)
            continue;
        const std::uint32_t nibble = secondary ? u.secondary[k] : u.primary[k];
        word |= nibble << (4 * (u.unit % 8));
    }
    // The channel-block family and family 7 store 16 probes and copy the last
    // one upward.
    if ((family == 2 || family == 7) && (word & 0x8000u) != 0)
        word |= 0xFFFF0000u;
    return word;
}

class SampleRoundTrip : public ::testing::TestWithParam<FamilyCase> {
protected:
    void SetUp() override
    {
        recording_ = GetParam().make();
        ASSERT_EQ(FamilyNumber(synth::RecordingFamily(recording_)), GetParam().family);
        file_ = synth::WriteRecording(recording_);
    }

    // Every array the recording describes, against the decoded tables of
    // points [first, first + n); `allowZero` accepts 0 for unread points.
    void ExpectCodes(const ChannelTables& t, std::int64_t first, std::int64_t n, bool allowZero)
    {
        const int family = GetParam().family;
        // A point a short file did not hold reads as zero. Logic words are
        // assembled from several blocks in some families, so there each
        // unit's nibble is either complete or zero.
        auto partial = [&](auto got, auto want) {
            if constexpr (sizeof(got) == 4) {
                for (int b = 0; b < 32; b += 4) {
                    const auto g = (got >> b) & 0xFu;
                    if (g != 0 && g != ((want >> b) & 0xFu))
                        return false;
                }
                return true;
            } else {
                return got == 0;
            }
        };
        auto check = [&](auto expected, auto actual, const std::string& what) {
            for (std::int64_t k = 0; k < n; ++k) {
                const auto want = expected(static_cast<std::size_t>(first + k));
                const auto got = actual[static_cast<std::size_t>(k)];
                if (!(got == want || (allowZero && partial(got, want)))) {
                    ADD_FAILURE() << what << " point " << first + k << ": " << got << " != " << want;
                    return;
                }
            }
        };
        for (const auto& a : recording_.analog) {
            const auto& slot = t.analog[a.slot];
            ASSERT_TRUE(slot.saved) << "analog " << a.slot;
            ASSERT_EQ(slot.primary.size(), static_cast<std::size_t>(n));
            check([&](std::size_t p) { return a.primary[p]; }, slot.primary, "analog " + std::to_string(a.slot));
            if (Pairs(recording_)) {
                ASSERT_EQ(slot.secondary.size(), static_cast<std::size_t>(n));
                check([&](std::size_t p) { return a.secondary[p]; }, slot.secondary,
                    "analog secondary " + std::to_string(a.slot));
            } else {
                EXPECT_TRUE(slot.secondary.empty());
            }
        }
        for (const auto& w : recording_.logicWords) {
            const auto& slot = t.logic[w.slot];
            ASSERT_TRUE(slot.saved) << "logic slot " << w.slot;
            check([&](std::size_t p) { return w.primary[p]; }, slot.primary, "logic slot " + std::to_string(w.slot));
            if (Pairs(recording_))
                check([&](std::size_t p) { return w.secondary[p]; }, slot.secondary,
                    "logic slot secondary " + std::to_string(w.slot));
        }
        // Floats compare by their bits, so NaN payloads count too.
        for (const auto& f : recording_.floats) {
            const auto& slot = t.floats[f.slot];
            ASSERT_TRUE(slot.saved) << "float slot " << f.slot;
            std::vector<std::uint32_t> bits(slot.primary.size());
            std::transform(slot.primary.begin(), slot.primary.end(), bits.begin(),
                [](float v) { return std::bit_cast<std::uint32_t>(v); });
            check([&](std::size_t p) { return std::bit_cast<std::uint32_t>(f.primary[p]); }, bits,
                "float slot " + std::to_string(f.slot));
            if (Pairs(recording_)) {
                std::transform(slot.secondary.begin(), slot.secondary.end(), bits.begin(),
                    [](float v) { return std::bit_cast<std::uint32_t>(v); });
                check([&](std::size_t p) { return std::bit_cast<std::uint32_t>(f.secondary[p]); }, bits,
                    "float slot secondary " + std::to_string(f.slot));
            }
        }
        for (const auto& p : recording_.pulses) {
            ASSERT_TRUE(t.pulse[p.slot].saved);
            check([&](std::size_t q) { return p.primary[q]; }, t.pulse[p.slot].primary, "pulse");
        }
        if (recording_.logicUnits.empty())
            return;
        const auto& groups = t.logicGroups;
        EXPECT_TRUE(groups.logicPresent);
        for (const auto& u : recording_.logicUnits)
            EXPECT_TRUE(groups.unitSaved[u.unit]) << "unit " << u.unit;
        for (int g = 0; g < kLogicGroups; ++g) {
            if (!groups.groups[g].saved)
                continue;
            ASSERT_EQ(groups.groups[g].primary.size(), static_cast<std::size_t>(n));
            check([&](std::size_t p) { return ExpectedGroupWord(recording_, family, g, p, false); },
                groups.groups[g].primary, "group " + std::to_string(g));
            if (Pairs(recording_))
                check([&](std::size_t p) { return ExpectedGroupWord(recording_, family, g, p, true); },
                    groups.groups[g].secondary, "group secondary " + std::to_string(g));
        }
    }

    Recording recording_;
    std::vector<std::uint8_t> file_;
};

} // namespace kp::test
