#include <gtest/gtest.h>

#include "format/DurationFormat.h"
#include "platform/LocaleInfo.h"

#include <limits>

namespace kp {
namespace {

TEST(DurationFormat, Examples)
{
    EXPECT_EQ(FormatDuration(0.001, 1001, false), "1s");
    EXPECT_EQ(FormatDuration(1, 3601, false), "1h");
    EXPECT_EQ(FormatDuration(0.5, 184, false), "1min31.5s");
    EXPECT_EQ(FormatDuration(1, 2, true), "1s(2)");
    EXPECT_EQ(FormatDuration(1, 1, false), "0s");
}

TEST(DurationFormat, Parts)
{
    EXPECT_EQ(FormatDuration(1e-6, 251, false), "0.00025s");
    EXPECT_EQ(FormatDuration(1, 90062, false), "1d1h1min1s");
    EXPECT_EQ(FormatDuration(1, 86401, false), "1d");
    EXPECT_EQ(FormatDuration(60, 1441, false), "1d");
    EXPECT_EQ(FormatDuration(1, 3662, false), "1h1min1s");
    EXPECT_EQ(FormatDuration(0.25, 241, true), "1min(241)");
    EXPECT_EQ(FormatDuration(1e-3, 60'000'002, false), "16h40min0.001s");
}

TEST(DurationFormat, RoundingToTheMicrosecondCarries)
{
    EXPECT_EQ(FormatDuration(119.9999996, 2, false), "2min");
    EXPECT_EQ(FormatDuration(59.9999996, 2, false), "1min");
    EXPECT_EQ(FormatDuration(60.0000004, 2, false), "1min");
    EXPECT_EQ(FormatDuration(0.1, 601, false), "1min");
    EXPECT_EQ(FormatDuration(0.1, 602, false), "1min0.1s");
}

TEST(DurationFormat, NoPointsIsNoLength)
{
    EXPECT_EQ(FormatDuration(1, 0, false), "0s");
    EXPECT_EQ(FormatDuration(1, -5, true), "0s(-5)");
}

TEST(DurationFormat, DecimalComma)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(FormatDuration(0.5, 184, false), "1min31,5s");
    EXPECT_EQ(FormatDuration(0.25, 2, false), "0,25s");
}

TEST(DurationFormat, UnusableIntervals)
{
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::infinity(), 2, false), "infs");
    EXPECT_EQ(FormatDuration(std::numeric_limits<double>::quiet_NaN(), 2, false), "nans");
    EXPECT_FALSE(FormatDuration(1e300, 1000, false).empty());
}

} // namespace
} // namespace kp
