// The ready-made recordings read back as what they were made of.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/SampleRoundTrip.h"
#include "synth/DemoRecordings.h"

namespace kp::test {
namespace {

TEST(DemoRecording, ReadsBackWithItsShapes)
{
    const synth::Recording demo = synth::DemoRecording();
    const auto file = synth::WriteRecording(demo);
    Decoded d = DecodeFile(file);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete);
    EXPECT_EQ(d.head.GetHeaderFamily(), 1);
    EXPECT_EQ(d.layout.dataLength, 300000);
    EXPECT_EQ(d.layout.SavedAnalogCount(), 8);
    for (const auto& a : demo.analog)
        EXPECT_EQ(d.tables.analog[a.slot].primary, a.primary) << a.slot;
    const auto& square = d.tables.analog[1].primary;
    EXPECT_EQ(std::set<std::uint16_t>(square.begin(), square.end()).size(), 2u);
    const auto& sine = d.tables.analog[0].primary;
    const auto top = *std::max_element(sine.begin(), sine.end(), [](auto x, auto y) {
        return static_cast<std::int16_t>(x) < static_cast<std::int16_t>(y);
    });
    EXPECT_EQ(static_cast<std::int16_t>(top), 16000);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[64], ExpectedGroupWord(demo, 1, 0, 64, false));
    // Same seed, same bytes.
    EXPECT_EQ(synth::WriteRecording(synth::DemoRecording()), file);
}

class FamilySample : public ::testing::TestWithParam<std::tuple<int, std::string>> {};

TEST_P(FamilySample, ReadsBackExactly)
{
    const auto [family, function] = GetParam();
    const synth::Recording r = synth::FamilySampleRecording(family, function, 300, 5);
    Decoded d = DecodeFile(synth::WriteRecording(r));
    ASSERT_EQ(d.head.GetHeaderFamily(), family);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    for (const auto& a : r.analog) {
        EXPECT_EQ(d.tables.analog[a.slot].primary, a.primary);
        if (!a.secondary.empty()) {
            EXPECT_EQ(d.tables.analog[a.slot].secondary, a.secondary);
        }
    }
    for (const auto& w : r.logicWords) {
        EXPECT_EQ(d.tables.logic[w.slot].primary, w.primary) << "logic position " << w.slot;
        if (!w.secondary.empty()) {
            EXPECT_EQ(d.tables.logic[w.slot].secondary, w.secondary) << "logic position " << w.slot;
        }
    }
    for (const auto& f : r.floats)
        EXPECT_EQ(d.tables.floats[f.slot].primary, f.primary) << "float " << f.slot;
    for (const auto& p : r.pulses)
        EXPECT_EQ(d.tables.pulse[p.slot].primary, p.primary) << "pulse " << p.slot;
}

INSTANTIATE_TEST_SUITE_P(Families0To4, FamilySample,
                         ::testing::Combine(::testing::Values(0, 1, 2, 4), ::testing::Values("MEM", "REC", "RMS")));
INSTANTIATE_TEST_SUITE_P(Family5, FamilySample, ::testing::Combine(::testing::Values(5), ::testing::Values("MEM", "REC", "RMS")));
INSTANTIATE_TEST_SUITE_P(Families6And9, FamilySample,
                         ::testing::Combine(::testing::Values(6, 9), ::testing::Values("MEM", "REC")));
INSTANTIATE_TEST_SUITE_P(Family7, FamilySample, ::testing::Combine(::testing::Values(7), ::testing::Values("MEM", "REC")));
INSTANTIATE_TEST_SUITE_P(Family8, FamilySample, ::testing::Combine(::testing::Values(8), ::testing::Values("MEM")));
INSTANTIATE_TEST_SUITE_P(Ring, FamilySample, ::testing::Combine(::testing::Values(3), ::testing::Values("MEM")));

} // namespace
} // namespace kp::test
