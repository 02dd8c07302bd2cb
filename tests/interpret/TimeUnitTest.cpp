#include <gtest/gtest.h>

#include "interpret/RangeText.h"
#include "support/HeadBuilder.h"
#include "synth/DemoRecordings.h"
#include "synth/Family5Writer.h"

namespace kp {
namespace {

TEST(TimeUnit, OneReadingForIntervalsAndTimesPerDivision)
{
    EXPECT_EQ(TimeUnitPart(" 500 us/DIV"), "us/DIV");
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("us/DIV"), 1e-6);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("ns"), 1e-9);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("min/DIV"), 60.0);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("ms"), 0.001);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("hour"), 3600.0);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("d"), 86400.0);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds("s"), 1.0);
    EXPECT_DOUBLE_EQ(TimeUnitSeconds(""), 1.0);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds(" 20ns"), 2e-8);
}

TEST(TimeUnit, TimePerDivisionWithOrWithoutDivSuffix)
{
    EXPECT_DOUBLE_EQ(test::HeadBuilder(1).Main(11, "500us").Load().GetTimePerDiv(), 500e-6);
    EXPECT_DOUBLE_EQ(test::HeadBuilder(1).Main(11, "500us/DIV").Load().GetTimePerDiv(), 500e-6);
    EXPECT_DOUBLE_EQ(test::HeadBuilder(1).Main(11, "2min").Load().GetTimePerDiv(), 120.0);
    EXPECT_DOUBLE_EQ(test::HeadBuilder(1).Main(11, "50ns").Load().GetTimePerDiv(), 50e-9);
    EXPECT_DOUBLE_EQ(test::HeadBuilder(3).Main(11, "10ms").Load().GetSamplingInterval(), 0.01);
}

// The chunked family's interval is the index-0 data set's own period, not
// the time per division over the points per division.
TEST(TimeUnit, ChunkedFamilySamplesAtItsStoredPeriod)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family5, "MEM", 40, 2);
    r.mainFields[10] = "100";
    r.mainFields[11] = "1ms";
    synth::Family5Options options;
    options.periods[0] = { 5, -6, "sec" };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(synth::WriteFamily5(r, options)));
    EXPECT_DOUBLE_EQ(head.GetTimePerDiv(), 1e-3);
    EXPECT_DOUBLE_EQ(head.GetSamplingInterval(), 5e-6);
    options.periods[0] = { 2, 0, "MIN" };
    ASSERT_TRUE(head.Load(synth::WriteFamily5(r, options)));
    EXPECT_DOUBLE_EQ(head.GetSamplingInterval(), 120.0);
    // A zero period says nothing: back to the division.
    options.periods[0] = { 0, 0, "sec" };
    ASSERT_TRUE(head.Load(synth::WriteFamily5(r, options)));
    EXPECT_DOUBLE_EQ(head.GetSamplingInterval(), 1e-5);
}

} // namespace
} // namespace kp
