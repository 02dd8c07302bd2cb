// Statistics between the cursors from per-block summaries equal a plain
// two-pass scan of the same points, for every coding and any range.
#include "OpenedRecording.h"
#include "support/SampleFixtures.h"
#include "synth/DemoRecordings.h"
#include "view/StatisticsReadout.h"

#include <gtest/gtest.h>

#include <random>

namespace kp {
namespace {

struct Coding {
    const char* name;
    ChannelValues::Coding coding;
    ChannelScale::Rule rule;
    bool unsignedCodes;
};

std::ostream& operator<<(std::ostream& os, const Coding& c)
{
    return os << c.name;
}

class StatisticsCoding : public ::testing::TestWithParam<Coding> {
protected:
    static constexpr std::int64_t n = 9000; // eight whole blocks and a ragged end

    void SetUp() override
    {
        const Coding& c = GetParam();
        std::mt19937 rng = test::SeededRandom(31);
        v.coding = c.coding;
        v.scale.rule = c.rule;
        v.scale.unsignedCodes = c.unsignedCodes;
        v.scale.scale = 0.0003125;
        v.scale.offset = 12.5;
        v.scale.countScale = 0.37;
        v.scale.zeroCode = 0x7FFFFF00;
        v.pulse = { 0.25, -3.0 };
        codes16 = test::RandomCodes(rng, n);
        std::uniform_int_distribution<std::uint32_t> wide;
        std::normal_distribution<float> noise(1000.0f, 0.01f);
        for (std::int64_t i = 0; i < n; ++i) {
            codes32.push_back(wide(rng));
            floats.push_back(noise(rng));
        }
        // Left out and counted: not-a-number and infinities.
        floats[3] = std::numeric_limits<float>::quiet_NaN();
        floats[4100] = std::numeric_limits<float>::infinity();
        floats[8999] = -std::numeric_limits<float>::infinity();
        v.codes16 = codes16;
        v.codes32 = codes32;
        v.floats = floats;
    }

    void ExpectSame(std::int64_t first, std::int64_t last) const
    {
        const BlockMoments summary(v.size(), v);
        const Moments fast = summary.Query(v, first, last);
        const Moments plain = PlainMoments(v, first, last);
        ASSERT_EQ(fast.count, plain.count) << first << ".." << last;
        EXPECT_EQ(fast.skipped, plain.skipped);
        EXPECT_EQ(fast.min, plain.min);
        EXPECT_EQ(fast.max, plain.max);
        const double magnitude = std::max(std::abs(plain.min), std::abs(plain.max));
        const double tolerance = 1e-12 * magnitude;
        EXPECT_NEAR(fast.mean, plain.mean, tolerance) << first << ".." << last;
        EXPECT_NEAR(fast.Rms(), plain.Rms(), tolerance) << first << ".." << last;
        EXPECT_NEAR(fast.StandardDeviation(), plain.StandardDeviation(), tolerance) << first << ".." << last;
        // A large offset with a small spread keeps the spread's own digits.
        EXPECT_NEAR(fast.StandardDeviation(), plain.StandardDeviation(), 1e-9 * plain.StandardDeviation() + 1e-300);
    }

    ChannelValues v;
    std::vector<std::uint16_t> codes16;
    std::vector<std::uint32_t> codes32;
    std::vector<float> floats;
};

TEST_P(StatisticsCoding, EqualsThePlainScanOverAnyRange)
{
    ExpectSame(0, n - 1);
    for (std::int64_t p : { std::int64_t { 0 }, std::int64_t { 1023 }, std::int64_t { 1024 }, n - 1 })
        ExpectSame(p, p);
    ExpectSame(1024, 2047);
    ExpectSame(1023, 2048);
    std::mt19937 rng = test::SeededRandom(32);
    std::uniform_int_distribution<std::int64_t> point(0, n - 1);
    for (int k = 0; k < 60; ++k) {
        std::int64_t a = point(rng), b = point(rng);
        if (a > b)
            std::swap(a, b);
        ExpectSame(a, b);
    }
}

INSTANTIATE_TEST_SUITE_P(Codings, StatisticsCoding,
    ::testing::Values(Coding { "Signed16", ChannelValues::Coding::Code16, ChannelScale::Rule::Linear, false },
        Coding { "Unsigned16", ChannelValues::Coding::Code16, ChannelScale::Rule::Linear, true },
        Coding { "Count16", ChannelValues::Coding::Code16, ChannelScale::Rule::Count, true },
        Coding { "ZeroReferenced16", ChannelValues::Coding::Code16, ChannelScale::Rule::ZeroReferenced, false },
        Coding { "Wide32", ChannelValues::Coding::Code32, ChannelScale::Rule::Linear, false },
        Coding { "ZeroReferenced32", ChannelValues::Coding::Code32, ChannelScale::Rule::ZeroReferenced, false },
        Coding { "Float", ChannelValues::Coding::Float, ChannelScale::Rule::Linear, false },
        Coding { "Pulse", ChannelValues::Coding::Pulse, ChannelScale::Rule::Linear, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogicRangeCounts, EqualTheScanOverAnyRange)
{
    std::mt19937 rng = test::SeededRandom(33);
    std::vector<std::uint32_t> words(5000);
    std::bernoulli_distribution flip(0.1);
    std::uint32_t w = 0;
    for (auto& x : words) {
        for (int bit = 0; bit < 32; ++bit)
            if (flip(rng))
                w ^= 1u << bit;
        x = w;
    }
    std::uniform_int_distribution<std::int64_t> point(0, 4999);
    for (int bit : { 0, 13, 31 }) {
        const BlockLogicCounts counts(words, bit);
        EXPECT_EQ(counts.Query(0, 4999), PlainLogicCounts(words, bit, 0, 4999));
        EXPECT_EQ(counts.Query(1024, 1024), PlainLogicCounts(words, bit, 1024, 1024));
        EXPECT_EQ(counts.Query(1023, 3072), PlainLogicCounts(words, bit, 1023, 3072));
        for (int k = 0; k < 40; ++k) {
            std::int64_t a = point(rng), b = point(rng);
            if (a > b)
                std::swap(a, b);
            ASSERT_EQ(counts.Query(a, b), PlainLogicCounts(words, bit, a, b)) << bit << " " << a << ".." << b;
        }
    }
}

// The list reads the document's channels; a one-point range has no spread.
TEST(StatisticsReadout, RowsOfTheDocumentsChannelsAndProbes)
{
    const synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 3000, 8);
    test::OpenedRecording o(r);
    StatisticsReadout s;
    const TraceNumberFormat decimal { TraceNumStyle::Decimal, false };
    const TextTable t = s.Build(o.doc, 7, 7, decimal);
    ASSERT_EQ(s.Channels().size(), r.analog.size());
    ASSERT_EQ(s.Probes().size(), 4 * r.logicUnits.size());
    ASSERT_EQ(t.rows.size(), r.analog.size() + 1 + 4 * r.logicUnits.size());
    const CWaveHeadInfo& head = o.doc.GetHeadInfo();
    const int ch = r.analog[0].slot;
    const std::string at7
        = TraceValueText(head.GetPhysicalValue(ch, r.analog[0].primary[7]), head.GetDisplayDigits(ch), decimal, "");
    EXPECT_EQ(t.rows[0][1], at7);
    EXPECT_EQ(t.rows[0][2], at7);
    EXPECT_EQ(t.rows[0][6], "+0");
    EXPECT_EQ(StatisticsReadout::SummaryLine(0.001, 7, 7), "dt=0s  1/dt=---Hz  n=1");
    EXPECT_EQ(StatisticsReadout::SummaryLine(0.001, 7, 17), "dt=10ms  1/dt=100Hz  n=11");
}

} // namespace
} // namespace kp
