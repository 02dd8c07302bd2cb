#include <gtest/gtest.h>

#include "format/ElapsedTimeFormat.h"
#include "platform/LocaleInfo.h"

#include <limits>

namespace kp {
namespace {

TEST(ElapsedTimeFormat, SecondSteps)
{
    EXPECT_EQ(FormatElapsedTime(65, 1, false, 0), " 0d0h1:5");
    EXPECT_EQ(FormatElapsedTime(-90, 1, false, 0), "-0d0h1:30");
    EXPECT_EQ(FormatElapsedTime(90061, 2, false, 0), " 1d1h1:1");
    EXPECT_EQ(FormatElapsedTime(65, 1, true, 0), " 0d0h\r\n 1:5");
    EXPECT_EQ(FormatElapsedTime(65.9, 1, false, 0), " 0d0h1:5");
    EXPECT_EQ(FormatElapsedTime(64.99999999999999, 1, false, 0), " 0d0h1:5");
    EXPECT_EQ(FormatElapsedTime(-0.0, 1, false, 0), " 0d0h0:0");
}

TEST(ElapsedTimeFormat, TenthSteps)
{
    EXPECT_EQ(FormatElapsedTime(3725.25, 0.5, false, 0), " 0d1h2m5.3s");
    EXPECT_EQ(FormatElapsedTime(-3725.25, 0.1, true, 0), "-0d1h\r\n 2m5.3s");
    EXPECT_EQ(FormatElapsedTime(5.94, 0.1, false, 0), " 0d0h0m5.9s");
}

TEST(ElapsedTimeFormat, TenthsThatRoundToASecondCarry)
{
    EXPECT_EQ(FormatElapsedTime(5.95, 0.1, false, 0), " 0d0h0m6.0s");
    EXPECT_EQ(FormatElapsedTime(59.96, 0.1, false, 0), " 0d0h1m0.0s");
    EXPECT_EQ(FormatElapsedTime(86399.97, 0.5, false, 0), " 1d0h0m0.0s");
    EXPECT_EQ(FormatElapsedTime(-3599.99, 0.1, false, 0), "-0d1h0m0.0s");
}

TEST(ElapsedTimeFormat, FineStepsUseSiPrefixes)
{
    EXPECT_EQ(FormatElapsedTime(0.0125, 1e-5, false, 0), "+12.5ms");
    EXPECT_EQ(FormatElapsedTime(0, 1e-5, false, 0), "0s");
    EXPECT_EQ(FormatElapsedTime(-0.0125, 0.01, true, 2), "-12.5ms");
    EXPECT_EQ(FormatElapsedTime(1.23456789012e-7, 1e-8, false, 0), "+123.456789012ns");
    EXPECT_EQ(FormatElapsedTime(1.23456789012e-7, 1e-6, false, 0), "+123.456789ns");
    EXPECT_EQ(FormatElapsedTime(1.23456789012e-7, 1e-6, false, 3), "+123.457ns");
}

TEST(ElapsedTimeFormat, DecimalComma)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(FormatElapsedTime(3725.25, 0.5, false, 0), " 0d1h2m5,3s");
    EXPECT_EQ(FormatElapsedTime(0.0125, 1e-5, false, 0), "+12,5ms");
}

TEST(ElapsedTimeFormat, NonFiniteTimes)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatElapsedTime(inf, 1, false, 0), "infs");
    EXPECT_EQ(FormatElapsedTime(-inf, 0.5, false, 0), "-infs");
    EXPECT_EQ(FormatElapsedTime(std::numeric_limits<double>::quiet_NaN(), 1e-3, false, 0), "+nans");
    EXPECT_FALSE(FormatElapsedTime(1e300, 1, false, 0).empty());
}

} // namespace
} // namespace kp
