#include <gtest/gtest.h>

#include "format/ExpFormat.h"
#include "platform/LocaleInfo.h"
#include "support/SeededRandom.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

namespace kp {
namespace {

TEST(ExpFormat, Examples)
{
    EXPECT_EQ(FormatExpValue(0.00123, false, 3), "1.230E-03");
    EXPECT_EQ(FormatExpValue(123456, true, 2), "+1.23E+05");
    EXPECT_EQ(FormatExpValue(1e100, false, 1), "1.0E+100");
    EXPECT_EQ(FormatExpValue(-0.0, true, 2), "-0.00E+00");
    EXPECT_EQ(FormatExpValue(5, true, 0), "+5E+00");
    EXPECT_EQ(FormatExpValue(2, false, -1), "2.000000E+00");
}

TEST(ExpFormat, NonFiniteStaysAsPrinted)
{
    EXPECT_EQ(FormatExpValue(std::numeric_limits<double>::infinity(), true, 3), "+inf");
    EXPECT_EQ(FormatExpValue(-std::numeric_limits<double>::infinity(), false, 3), "-inf");
    EXPECT_EQ(FormatExpValue(std::numeric_limits<double>::quiet_NaN(), false, 3), "nan");
}

TEST(ExpFormat, LocaleSeparator)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(FormatExpValue(0.00123, false, 3), "1,230E-03");
    EXPECT_EQ(FormatExpValue(-7e-9, true, 1), "-7,0E-09");
}

TEST(RoundToPrecision, KeepsDigitsPlusOneSignificantDigits)
{
    EXPECT_EQ(RoundToPrecision(1.23456, 2), 1.23);
    EXPECT_EQ(RoundToPrecision(-0.000123456, 1), -0.00012);
    EXPECT_EQ(RoundToPrecision(98765.0, 0), 1e5);
    EXPECT_EQ(RoundToPrecision(3.14159f, 2), 3.14f);
    EXPECT_EQ(RoundToPrecision(1.0 / 3.0, -1), 0.3333333);
    EXPECT_TRUE(std::isinf(RoundToPrecision(std::numeric_limits<double>::infinity(), 3)));
    EXPECT_EQ(RoundToPrecision(std::numeric_limits<double>::max(), 0), std::numeric_limits<double>::max());
}

TEST(RoundToPrecision, EqualsPrintingAndReadingBack)
{
    auto random = test::SeededRandom64(3);
    for (int i = 0; i < 3000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value) || std::fabs(value) > 1e300)
            continue;
        const int digits = i % 16;
        char text[64];
        std::snprintf(text, sizeof text, "%.*e", digits, value);
        EXPECT_EQ(RoundToPrecision(value, digits), std::strtod(text, nullptr)) << text;
    }
}

} // namespace
} // namespace kp
