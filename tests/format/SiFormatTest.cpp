#include <gtest/gtest.h>

#include "format/SiFormat.h"
#include "platform/LocaleInfo.h"

#include <limits>

namespace kp {
namespace {

TEST(SiFormat, Examples)
{
    EXPECT_EQ(FormatSiValue(1500, false, false, 3), "1.500k");
    EXPECT_EQ(FormatSiValue(-0.0021, true, true, 4), "-2.1m");
    EXPECT_EQ(FormatSiValue(0.047, true, false, -3), "+47.00m");
    EXPECT_EQ(FormatSiValue(5e-12, true, false, 2), "0.00");
    EXPECT_EQ(FormatSiValue(2.5e21, false, false, 1), "2500.0E");
}

TEST(SiFormat, ZeroHasNoSignAndNoPrefix)
{
    EXPECT_EQ(FormatSiValue(-0.0, true, false, 3), "0.000");
    EXPECT_EQ(FormatSiValue(9e-12, true, false, 3), "0.000");
    EXPECT_EQ(FormatSiValue(-9e-12, true, false, 3), "0.000");
    EXPECT_EQ(FormatSiValue(0.0, true, true, 3), "0");
    EXPECT_EQ(FormatSiValue(0.0, false, false, -3), "0");
}

TEST(SiFormat, SignificantDigits)
{
    EXPECT_EQ(FormatSiValue(1234, false, false, -3), "1.234k");
    EXPECT_EQ(FormatSiValue(999, false, false, -3), "999.0");
    EXPECT_EQ(FormatSiValue(999, false, true, -3), "999");
    EXPECT_EQ(FormatSiValue(12.5e-6, true, false, -2), "+12.5u");
    // Too many wanted places go to zero, never negative.
    EXPECT_EQ(FormatSiValue(2.5e24, false, false, -2), "2500000E");
}

TEST(SiFormat, PrefixBoundaries)
{
    // A hair below a power of 1000 takes the larger prefix.
    EXPECT_EQ(FormatSiValue(999.999999999995, false, false, 3), "1.000k");
    EXPECT_EQ(FormatSiValue(1e18, false, true, 3), "1E");
    EXPECT_EQ(FormatSiValue(1e-3, false, true, 3), "1m");
    EXPECT_EQ(FormatSiValue(1, false, true, 3), "1");
    EXPECT_EQ(FormatSiValue(-2e-9, true, true, 3), "-2n");
    // Below a nanosecond the absolute tolerance makes everything "p".
    EXPECT_EQ(FormatSiValue(5e-10, false, false, 1), "500.0p");
    EXPECT_EQ(FormatSiValue(2e-11, false, false, 1), "20.0p");
}

TEST(SiFormat, LocaleSeparator)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(FormatSiValue(1.5, false, true, 3), "1,5");
    EXPECT_EQ(FormatSiValue(-0.0021, true, false, 2), "-2,10m");
}

TEST(SiFormat, NonFiniteValuesPrintAsPrintfDoes)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatSiValue(inf, true, true, -3), "+inf");
    EXPECT_EQ(FormatSiValue(-inf, false, false, 3), "-inf");
    EXPECT_EQ(FormatSiValue(std::numeric_limits<double>::quiet_NaN(), false, false, -3), "nan");
}

} // namespace
} // namespace kp
