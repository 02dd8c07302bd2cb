#include <gtest/gtest.h>

#include "format/DatePicture.h"
#include "format/DateTime.h"
#include "support/SeededRandom.h"

#include <random>

namespace kp {
namespace {

DateTime At(std::int64_t y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    const std::optional<DateTime> moment = DateTime::FromCivil(y, mo, d, h, mi, s);
    EXPECT_TRUE(moment.has_value());
    return moment.value_or(DateTime());
}

TEST(DateTime, KnownMoments)
{
    EXPECT_EQ(At(1970, 1, 1).Seconds(), 0);
    EXPECT_EQ(At(2000, 1, 1).Seconds(), 946684800);
    EXPECT_EQ(At(1969, 12, 31, 23, 59, 59).Seconds(), -1);
    EXPECT_EQ(At(1900, 3, 1).Seconds(), -2203891200);
    EXPECT_EQ(At(2024, 3, 10).Civil().weekday, 0); // a Sunday
    EXPECT_EQ(At(1969, 12, 31).Civil().weekday, 3);
}

TEST(DateTime, RefusesFieldsOutOfRange)
{
    EXPECT_TRUE(DateTime::FromCivil(2000, 2, 29));
    EXPECT_TRUE(DateTime::FromCivil(2024, 2, 29));
    EXPECT_FALSE(DateTime::FromCivil(1900, 2, 29));
    EXPECT_FALSE(DateTime::FromCivil(2023, 2, 29));
    EXPECT_FALSE(DateTime::FromCivil(2023, 4, 31));
    EXPECT_FALSE(DateTime::FromCivil(2023, 13, 1));
    EXPECT_FALSE(DateTime::FromCivil(2023, 0, 1));
    EXPECT_FALSE(DateTime::FromCivil(2023, 1, 0));
    EXPECT_FALSE(DateTime::FromCivil(2023, 1, 1, 24));
    EXPECT_FALSE(DateTime::FromCivil(2023, 1, 1, 0, 60));
    EXPECT_FALSE(DateTime::FromCivil(2023, 1, 1, 0, 0, 60));
    EXPECT_FALSE(DateTime::FromCivil(2023, 1, 1, -1));
}

TEST(DateTime, CivilRoundTrips)
{
    auto random = test::SeededRandom64(5);
    std::uniform_int_distribution<std::int64_t> seconds(-80'000'000'000LL, 80'000'000'000LL);
    for (int i = 0; i < 20000; ++i) {
        const DateTime moment = DateTime::FromSeconds(seconds(random));
        const CivilFields f = moment.Civil();
        const std::optional<DateTime> back = DateTime::FromCivil(f.year, f.month, f.day, f.hour, f.minute, f.second);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->Seconds(), moment.Seconds());
        const std::int64_t days = (moment.Seconds() - f.hour * 3600 - f.minute * 60 - f.second) / 86400;
        EXPECT_EQ(f.weekday, ((days + 4) % 7 + 7) % 7);
    }
}

TEST(DateTime, ArithmeticKnowsNoDaylightSaving)
{
    // An hour that a daylight-saving zone skips exists on the recorder's clock.
    const DateTime before = At(2024, 3, 10, 1, 59, 59);
    const CivilFields f = before.AddSeconds(1).Civil();
    EXPECT_EQ(f.hour, 2);
    EXPECT_EQ(f.minute, 0);
    EXPECT_EQ(At(2024, 10, 27, 0).AddSeconds(86400), At(2024, 10, 28, 0));
}

TEST(DateTime, AddSecondsSaturates)
{
    const DateTime late = DateTime::FromSeconds(std::numeric_limits<std::int64_t>::max() - 5);
    EXPECT_EQ(late.AddSeconds(100).Seconds(), std::numeric_limits<std::int64_t>::max());
    const DateTime early = DateTime::FromSeconds(std::numeric_limits<std::int64_t>::min() + 5);
    EXPECT_EQ(early.AddSeconds(-100).Seconds(), std::numeric_limits<std::int64_t>::min());
}

TEST(DatePicture, Letters)
{
    const CivilFields f = At(2024, 3, 5, 0, 7, 9).Civil();
    EXPECT_EQ(FormatPicture(f, "HH:mm:ss"), "00:07:09");
    EXPECT_EQ(FormatPicture(f, "H:m:s"), "0:7:9");
    EXPECT_EQ(FormatPicture(f, "h:mm:ss tt"), "12:07:09 AM");
    EXPECT_EQ(FormatPicture(At(2024, 3, 5, 13).Civil(), "hh:mm t"), "01:00 P");
    EXPECT_EQ(FormatPicture(At(2024, 3, 5, 12).Civil(), "h tt"), "12 PM");
    EXPECT_EQ(FormatPicture(f, "yyyy/MM/dd"), "2024/03/05");
    EXPECT_EQ(FormatPicture(f, "d.M.yy"), "5.3.24");
    EXPECT_EQ(FormatPicture(At(2007, 1, 1).Civil(), "y yy yyyy"), "7 07 2007");
    EXPECT_EQ(FormatPicture(At(812, 1, 1).Civil(), "yyyy"), "0812");
    EXPECT_EQ(FormatPicture(f, "ddd dd MMM yyyy"), "Tue 05 Mar 2024");
    EXPECT_EQ(FormatPicture(f, "dddd, MMMM d"), "Tuesday, March 5");
}

TEST(DatePicture, QuotedTextStaysAsWritten)
{
    const CivilFields f = At(2024, 3, 5, 9, 30).Civil();
    EXPECT_EQ(FormatPicture(f, "d 'de' MMMM"), "5 de March");
    EXPECT_EQ(FormatPicture(f, "HH 'h' mm"), "09 h 30");
    EXPECT_EQ(FormatPicture(f, "'it''s' H"), "it's 9");
    EXPECT_EQ(FormatPicture(f, "H''mm"), "9'30");
    EXPECT_EQ(FormatPicture(f, "yyyy-MM-dd gg"), "2024-03-05 ");
}

} // namespace
} // namespace kp
