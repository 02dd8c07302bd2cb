#include <gtest/gtest.h>

#include "format/BitsFormat.h"
#include "format/TextTrim.h"
#include "platform/LocaleInfo.h"

namespace kp {
namespace {

TEST(TextTrim, FractionZerosGoAndTheSeparatorWithThem)
{
    EXPECT_EQ(TrimFractionZeros("1.2500"), "1.25");
    EXPECT_EQ(TrimFractionZeros("3.000"), "3");
    EXPECT_EQ(TrimFractionZeros("100"), "100");
    EXPECT_EQ(TrimFractionZeros("10"), "10");
    EXPECT_EQ(TrimFractionZeros("0.000"), "0");
    EXPECT_EQ(TrimFractionZeros("-0.50"), "-0.5");
    EXPECT_EQ(TrimFractionZeros("+12.500000"), "+12.5");
    // The first character always stays.
    EXPECT_EQ(TrimFractionZeros(".000"), ".");
    EXPECT_EQ(TrimFractionZeros(""), "");
}

TEST(TextTrim, FractionZerosFollowTheLocaleSeparator)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(TrimFractionZeros("1,500"), "1,5");
    EXPECT_EQ(TrimFractionZeros("2,000"), "2");
    // A point is not this locale's separator: the text has no fraction.
    EXPECT_EQ(TrimFractionZeros("1.500"), "1.500");
}

TEST(TextTrim, BothEnds)
{
    EXPECT_EQ(TrimBoth("  Title \t\r\n"), "Title");
    EXPECT_EQ(TrimBoth("a b"), "a b");
    EXPECT_EQ(TrimBoth(" \v\f "), "");
    EXPECT_EQ(TrimBoth(""), "");
}

TEST(BitsFormat, MostSignificantFirst)
{
    EXPECT_EQ(FormatBits(5, 4), "0101");
    EXPECT_EQ(FormatBits(0xFF, 4), "1111");
    EXPECT_EQ(FormatBits(0x80000000u, 32), "1" + std::string(31, '0'));
    EXPECT_EQ(FormatBits(1, 70), std::string(69, '0') + "1");
    EXPECT_EQ(FormatBits(~0ull, 66), "00" + std::string(64, '1'));
    EXPECT_EQ(FormatBits(7, 0), "");
    EXPECT_EQ(FormatBits(7, -3), "");
}

} // namespace
} // namespace kp
