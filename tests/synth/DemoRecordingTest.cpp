// The ready-made recordings read back as what they were made of.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/BytePins.h"
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
    EXPECT_EQ(d.head.GetHeaderFamily(), HeaderFamily::Family1);
    EXPECT_EQ(d.layout.dataLength, 300000);
    EXPECT_EQ(d.layout.SavedAnalogCount(), 8);
    for (const auto& a : demo.analog)
        EXPECT_EQ(d.tables.analog[a.slot].primary, a.primary) << a.slot;
    const auto& square = d.tables.analog[1].primary;
    EXPECT_EQ(std::set<std::uint16_t>(square.begin(), square.end()).size(), 2u);
    const auto& sine = d.tables.analog[0].primary;
    const auto top = *std::max_element(sine.begin(), sine.end(),
        [](auto x, auto y) { return static_cast<std::int16_t>(x) < static_cast<std::int16_t>(y); });
    EXPECT_EQ(static_cast<std::int16_t>(top), 16000);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[64], ExpectedGroupWord(demo, 1, 0, 64, false));
    // Same seed, same bytes.
    EXPECT_EQ(synth::WriteRecording(synth::DemoRecording()), file);
}

class FamilySample : public ::testing::TestWithParam<std::tuple<int, std::string>> { };

TEST_P(FamilySample, ReadsBackExactly)
{
    const auto [family, function] = GetParam();
    const synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, function, 300, 5);
    Decoded d = DecodeFile(synth::WriteRecording(r));
    ASSERT_EQ(FamilyNumber(d.head.GetHeaderFamily()), family);
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

std::vector<std::tuple<int, std::string>> KeptFunctions()
{
    std::vector<std::tuple<int, std::string>> kept;
    for (int family = 0; family <= 9; ++family)
        for (const char* function : { "MEM", "REC", "RMS" })
            if (synth::FamilyKeepsFunction(HeaderFamily { family }, function))
                kept.emplace_back(family, function);
    return kept;
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, FamilySample, ::testing::ValuesIn(KeptFunctions()),
    [](const auto& info) { return "F" + std::to_string(std::get<0>(info.param)) + "_" + std::get<1>(info.param); });

// Codes of a function the layout does not keep are refused, or (family 3,
// whose reader must still meet such headers) written as the header alone.
TEST(FamilySample, FunctionsAFamilyDoesNotKeepCarryNoSamples)
{
    for (int family = 0; family <= 9; ++family) {
        for (const char* function : { "MEM", "REC", "RMS" }) {
            if (synth::FamilyKeepsFunction(HeaderFamily { family }, function))
                continue;
            const synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, function, 8, 1);
            if (family != 3) {
                EXPECT_THROW(synth::WriteRecording(r), std::invalid_argument) << family << " " << function;
                continue;
            }
            const auto file = synth::WriteRecording(r);
            EXPECT_EQ(file.size(), 512 * std::stoul("0" + FieldText(file, 0, 1))) << function;
        }
    }
}

} // namespace
} // namespace kp::test
