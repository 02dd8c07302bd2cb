#include <gtest/gtest.h>

#include "format/DateTimeFormat.h"
#include "platform/LocaleInfo.h"

#include <limits>

namespace kp {
namespace {

const LocaleInfo kIso { '.', ',', "HH:mm:ss", true, "yyyy/MM/dd" };

DateTime At(std::int64_t y, int mo, int d, int h, int mi, int s)
{
    return DateTime::FromCivil(y, mo, d, h, mi, s).value();
}

class DateTimeFormat : public ::testing::Test {
protected:
    ScopedLocale locale_ { kIso };
    DateTime noon_ = At(2024, 5, 1, 12, 0, 0);
};

TEST_F(DateTimeFormat, WholeSeconds)
{
    EXPECT_EQ(FormatDateTimeWhole(noon_, 5, false), "2024/05/01 12:00:05");
    EXPECT_EQ(FormatDateTimeWhole(noon_, 5, true), "2024/05/01\r\n12:00:05");
    // The second in which the moment falls, not the nearest one.
    EXPECT_EQ(FormatDateTimeWhole(noon_, 5.7, false), "2024/05/01 12:00:05");
    EXPECT_EQ(FormatDateTimeWhole(noon_, -0.25, false), "2024/05/01 11:59:59");
    EXPECT_EQ(FormatDateTimeWhole(noon_, 86400.0 * 31, false), "2024/06/01 12:00:00");
}

TEST_F(DateTimeFormat, OffsetsShortOfASecondByRoundingCountAsIt)
{
    EXPECT_EQ(FormatDateTimeWhole(noon_, 2.9999999999999996, false), "2024/05/01 12:00:03");
    EXPECT_EQ(FormatDateTimeWhole(noon_, 30 * 0.1, false), "2024/05/01 12:00:03");
    EXPECT_EQ(FormatDateTimeWhole(noon_, 2.999999, false), "2024/05/01 12:00:02");
    EXPECT_EQ(FormatDateTime(noon_, 1e6 - 1e-10, false, 12), "2024/05/13 01:46:40");
}

TEST_F(DateTimeFormat, FractionFollowsTheSeconds)
{
    EXPECT_EQ(FormatDateTime(noon_, 5.25, false, 3), "2024/05/01 12:00:05.25");
    EXPECT_EQ(FormatDateTime(noon_, 5.0, false, 3), "2024/05/01 12:00:05");
    EXPECT_EQ(FormatDateTime(noon_, 5.0001, false, 3), "2024/05/01 12:00:05");
    EXPECT_EQ(FormatDateTime(noon_, 5.25, true, 1), "2024/05/01\r\n12:00:05.2");
    EXPECT_EQ(FormatDateTime(noon_, 5.25, false, 0), "2024/05/01 12:00:05");
    EXPECT_EQ(FormatDateTime(noon_, 5 + 1e-13, false, 6), "2024/05/01 12:00:05");
}

TEST_F(DateTimeFormat, NegativeOffsetsCountBackFromTheSecondBefore)
{
    EXPECT_EQ(FormatDateTime(noon_, -0.25, false, 3), "2024/05/01 11:59:59.75");
    EXPECT_EQ(FormatDateTime(noon_, -1.0, false, 3), "2024/05/01 11:59:59");
    EXPECT_EQ(FormatDateTime(noon_, -1e-13, false, 3), "2024/05/01 12:00:00");
}

TEST_F(DateTimeFormat, FractionThatPrintsAsAWholeSecondCarries)
{
    EXPECT_EQ(FormatDateTime(noon_, 5.9999, false, 3), "2024/05/01 12:00:06");
    EXPECT_EQ(FormatDateTime(noon_, 5.95, false, 1), "2024/05/01 12:00:06");
    EXPECT_EQ(FormatDateTime(noon_, 5.94, false, 1), "2024/05/01 12:00:05.9");
    EXPECT_EQ(FormatDateTime(noon_, 5.6, false, 0), "2024/05/01 12:00:06");
    EXPECT_EQ(FormatDateTime(noon_, -0.00001, false, 3), "2024/05/01 12:00:00");
    // On through minutes, hours, days, months and years.
    EXPECT_EQ(FormatDateTime(At(2023, 12, 31, 23, 59, 59), 0.9996, false, 3), "2024/01/01 00:00:00");
    EXPECT_EQ(FormatDateTime(At(2024, 2, 28, 23, 59, 58), 1.99999, false, 2), "2024/02/29 00:00:00");
}

TEST_F(DateTimeFormat, NoFractionWhenTheTimeHasNoSeconds)
{
    ScopedLocale minutes(LocaleInfo { '.', ',', "HH:mm", false, "yyyy/MM/dd" });
    EXPECT_EQ(FormatDateTime(noon_, 59.9999, false, 3), "2024/05/01 12:00");
    ScopedLocale twelve(LocaleInfo { '.', ',', "h:mm:ss tt", false, "M/d/yyyy" });
    EXPECT_EQ(FormatDateTime(noon_, 5.25, false, 3), "5/1/2024 12:00:05 PM");
}

TEST_F(DateTimeFormat, DecimalComma)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(FormatDateTime(noon_, 5.125, false, 3), "01.05.2024 12:00:05,125");
}

TEST_F(DateTimeFormat, UnusableOffsets)
{
    EXPECT_EQ(FormatDateTime(noon_, std::numeric_limits<double>::quiet_NaN(), false, 3), "2024/05/01 12:00:00");
    EXPECT_EQ(FormatDateTimeWhole(noon_, std::numeric_limits<double>::infinity(), false), "2024/05/01 12:00:00");
    // Far beyond any record, but no overflow.
    EXPECT_FALSE(FormatDateTimeWhole(noon_, 1e300, false).empty());
    EXPECT_FALSE(FormatDateTime(noon_, -1e300, false, 200).empty());
}

} // namespace
} // namespace kp
