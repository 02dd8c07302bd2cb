// Every family's writer and decoder against each other: the codes a recording
// was given come back exactly, a range of points decodes like the same points
// of the whole record, and a file cut short keeps what it still holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/SampleFixtures.h"

namespace kp {
namespace {

using synth::Recording;

struct FamilyCase {
    std::string name;
    int family;
    std::function<Recording()> make;
};

std::ostream& operator<<(std::ostream& os, const FamilyCase& c) { return os << c.name; }

bool Pairs(const Recording& r) { return r.function == "REC" || r.function == "RMS"; }

synth::AnalogSpec Analog(int slot, std::vector<std::uint16_t> primary, std::vector<std::uint16_t> secondary = {})
{
    synth::AnalogSpec a;
    a.slot = slot;
    a.fields[2] = "VOLT";
    a.primary = std::move(primary);
    a.secondary = std::move(secondary);
    return a;
}

// Analog channels at the given slots and logic units, random codes; the
// secondary arrays only for pair-valued functions.
Recording Make(const std::string& model, const std::string& version, const std::string& function,
               std::int64_t length, std::vector<int> slots, std::vector<int> units, std::uint32_t salt,
               bool family0Codes = false, bool secondaryInsidePrimary = false)
{
    auto rng = test::SeededRandom(salt);
    Recording r;
    r.model = model;
    r.version = version;
    r.function = function;
    r.dataLength = length;
    const auto n = static_cast<std::size_t>(length);
    auto codes = [&] { return family0Codes ? test::RandomFamily0Codes(rng, n) : test::RandomCodes(rng, n); };
    for (int slot : slots)
        r.analog.push_back(Analog(slot, codes(), Pairs(r) ? codes() : std::vector<std::uint16_t>{}));
    for (int unit : units) {
        synth::LogicUnitSpec u;
        u.unit = unit;
        u.primary = test::RandomNibbles(rng, n);
        if (Pairs(r)) {
            u.secondary = test::RandomNibbles(rng, n);
            if (secondaryInsidePrimary)
                for (std::size_t k = 0; k < n; ++k)
                    u.secondary[k] &= u.primary[k];
        }
        r.logicUnits.push_back(std::move(u));
    }
    return r;
}

Recording WithRing(Recording r, int ringSize, int ringStart)
{
    r.mainFields[15] = std::to_string(ringSize);
    r.mainFields[10] = std::to_string(ringStart);
    return r;
}

Recording WithPulses(Recording r, std::vector<int> slots, std::uint32_t salt)
{
    auto rng = test::SeededRandom(salt);
    for (int slot : slots) {
        synth::PulseSpec p;
        p.slot = slot;
        p.primary = test::RandomCodes(rng, static_cast<std::size_t>(r.dataLength));
        r.pulses.push_back(std::move(p));
    }
    return r;
}

Recording WithModules(Recording r, std::map<int, std::string> modules)
{
    for (auto& a : r.analog)
        if (modules.contains(a.slot))
            a.fields[2] = modules[a.slot];
    return r;
}

// The group words a family's decoder builds from the units it was given.
std::uint32_t ExpectedGroupWord(const Recording& r, int family, int group, std::size_t k, bool secondary)
{
    std::uint32_t word = 0;
    for (const auto& u : r.logicUnits) {
        const int target = (family == 1 || family == 2) ? 0 : u.unit / 8;
        if (target != group)
            continue;
        const std::uint32_t nibble = secondary ? u.secondary[k] : u.primary[k];
        word |= nibble << (4 * (u.unit % 8));
    }
    // The channel-block family stores 16 probes and copies the last one upward.
    if (family == 2 && (word & 0x8000u) != 0)
        word |= 0xFFFF0000u;
    return word;
}

std::vector<FamilyCase> Families0To4()
{
    return {
        {"F0_MEM", 0, [] { return Make("3518", "35180001", "MEM", 3000, {0, 1, 3}, {1, 2}, 1, true); }},
        {"F0_REC", 0, [] { return Make("3518", "35180001", "REC", 2500, {0, 2}, {0, 2, 5}, 2, true); }},
        {"F1_MEM", 1, [] { return Make("4170", "41700003", "MEM", 9000, {0, 2, 5, 6}, {0, 1, 3}, 3); }},
        {"F1_REC", 1, [] { return Make("4170", "41700003", "REC", 4100, {1, 3}, {0, 2, 5}, 4); }},
        {"F1_RMS_no_logic", 1, [] { return Make("5066", "50660001", "RMS", 3000, {0, 7}, {}, 5); }},
        {"F1_MEM_logic_only", 1, [] { return Make("4170", "41700003", "MEM", 5000, {}, {0, 1, 2, 3, 4}, 6); }},
        {"F2_MEM", 2, [] { return Make("3384", "33840001", "MEM", 6000, {0, 1, 4}, {0, 1, 2}, 7); }},
        {"F2_REC", 2, [] { return Make("3384", "33840001", "REC", 3000, {2, 3}, {0, 3}, 8); }},
        {"F3_MEM_ring", 3,
         [] { return WithPulses(WithRing(Make("3019", "30190001", "MEM", 5000, {0, 3, 15}, {0, 1, 4, 7}, 9), 5003, 1234),
                                {0, 2}, 10); }},
        {"F3_MEM_5303", 3, [] { return WithRing(Make("5303", "53030001", "MEM", 4000, {20, 31}, {4, 5}, 11), 4000, 0); }},
        {"F4_MEM", 4,
         [] { return WithModules(Make("4756", "", "MEM", 4000, {0, 1, 3}, {0, 1, 2, 3, 4, 5}, 12), {{1, "4522"}}); }},
        {"F4_RMS", 4,
         [] { return WithModules(Make("4756", "", "RMS", 2000, {2, 5}, {0, 3}, 13, false, true), {{5, "3251"}}); }},
    };
}

class SampleRoundTrip : public ::testing::TestWithParam<FamilyCase> {
protected:
    void SetUp() override
    {
        recording_ = GetParam().make();
        ASSERT_EQ(synth::RecordingFamily(recording_), GetParam().family);
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

TEST_P(SampleRoundTrip, WholeRecordGivesTheWrittenCodes)
{
    test::Decoded d = test::DecodeFile(file_);
    ASSERT_EQ(d.head.GetHeaderFamily(), GetParam().family);
    ASSERT_EQ(d.allocation.status, AllocateStatus::Ok) << d.allocation.detail;
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.layout.dataLength, recording_.dataLength);
    ExpectCodes(d.tables, 0, recording_.dataLength, false);
}

TEST_P(SampleRoundTrip, RangesDecodeLikeTheWholeRecord)
{
    const std::int64_t length = recording_.dataLength;
    // Uneven blocks that cross every kind of boundary, single points at both
    // ends, and a range running past the end of the record.
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    for (std::int64_t first = 0; first < length; first += 997)
        ranges.emplace_back(first, 997);
    ranges.emplace_back(0, 1);
    ranges.emplace_back(length - 1, 1);
    ranges.emplace_back(length - 5, 100);
    for (auto [first, count] : ranges) {
        test::Decoded d = test::DecodeFile(file_, first, count);
        ASSERT_EQ(d.result.status, DecodeStatus::Complete) << first << "+" << count << ": " << d.result.detail;
        ExpectCodes(d.tables, first, std::min(count, length - first), false);
        if (HasFailure())
            FAIL() << "range " << first << "+" << count;
    }
}

TEST_P(SampleRoundTrip, ShortFileKeepsWhatItHolds)
{
    const std::size_t header = static_cast<std::size_t>(test::DecodeFile(file_, 0, 1).head.GetHeaderSize());
    for (std::size_t cut : {header + 1, header + (file_.size() - header) / 3, file_.size() - 1}) {
        std::vector<std::uint8_t> shortened(file_.begin(), file_.begin() + static_cast<std::ptrdiff_t>(cut));
        test::Decoded d = test::DecodeFile(shortened);
        ASSERT_EQ(d.allocation.status, AllocateStatus::Ok) << d.allocation.detail;
        EXPECT_EQ(d.result.status, DecodeStatus::ShortFile) << "cut at " << cut;
        ExpectCodes(d.tables, 0, recording_.dataLength, true);
        // Missing the last byte loses at most one point of the first channel.
        if (cut == file_.size() - 1 && !recording_.analog.empty()) {
            const auto& first = *std::min_element(recording_.analog.begin(), recording_.analog.end(),
                                                  [](const auto& x, const auto& y) { return x.slot < y.slot; });
            const auto& got = d.tables.analog[first.slot].primary;
            std::size_t lost = 0;
            for (std::size_t k = 0; k < got.size(); ++k)
                lost += got[k] != first.primary[k] ? 1 : 0;
            EXPECT_LE(lost, 1u);
        }
    }
}

TEST_P(SampleRoundTrip, BlocksOutsideTheFileAreShort)
{
    std::vector<std::uint8_t> headerOnly(file_.begin(),
                                         file_.begin() + static_cast<std::ptrdiff_t>(
                                             test::DecodeFile(file_, 0, 1).head.GetHeaderSize()));
    test::Decoded d = test::DecodeFile(headerOnly, recording_.dataLength / 2, 10);
    ASSERT_EQ(d.allocation.status, AllocateStatus::Ok);
    EXPECT_EQ(d.result.status, DecodeStatus::ShortFile);
}

INSTANTIATE_TEST_SUITE_P(Families0To4, SampleRoundTrip, ::testing::ValuesIn(Families0To4()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kp
