#include <gtest/gtest.h>

#include "export/ExportTexts.h"
#include "interpret/TriggerMoment.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;
using test::OldHeaderBuilder;

CWaveHeadInfo WithTrigger(const std::string& date, const std::string& time, int family = 1)
{
    return HeadBuilder(family).Main(7, date).Main(8, time).Load();
}

TEST(TriggerMoment, DateAndTimeFieldsMakeTheMomentAndTheFractionTheOffset)
{
    const CWaveHeadInfo head = WithTrigger("24-06-11", "12:34:56.25");
    EXPECT_EQ(ReadTriggerMoment(head), DateTime::FromCivil(2024, 6, 11, 12, 34, 56));
    EXPECT_DOUBLE_EQ(ReadTriggerStartOffset(head), 0.25);
    // The export keeps counting from the whole second.
    EXPECT_EQ(TriggerMoment(head), DateTime::FromCivil(2024, 6, 11, 12, 34, 56));
}

TEST(TriggerMoment, YearsAndSeparatorsAsTheInstrumentsWriteThem)
{
    EXPECT_EQ(
        ReadTriggerMoment(WithTrigger("1999/12/31", "23:59:59", 5)), DateTime::FromCivil(1999, 12, 31, 23, 59, 59));
    EXPECT_EQ(ReadTriggerMoment(WithTrigger("69.01.02", "00:00:01", 8)), DateTime::FromCivil(2069, 1, 2, 0, 0, 1));
    EXPECT_EQ(ReadTriggerMoment(WithTrigger("70-01-02", "")), DateTime::FromCivil(1970, 1, 2));
    EXPECT_DOUBLE_EQ(ReadTriggerStartOffset(WithTrigger("70-01-02", "10:00:00")), 0.0);
}

TEST(TriggerMoment, NoDateGivesNoMomentWhileTheExportKeepsItsEpoch)
{
    for (const std::string date : { "", "24-06", "2024-02-30", "2024-13-01" }) {
        const CWaveHeadInfo head = WithTrigger(date, "12:00:00");
        EXPECT_FALSE(ReadTriggerMoment(head).has_value()) << date;
        EXPECT_EQ(TriggerMoment(head), DateTime()) << date;
    }
    const CWaveHeadInfo old = OldHeaderBuilder().Load();
    EXPECT_FALSE(ReadTriggerMoment(old).has_value());
    EXPECT_DOUBLE_EQ(ReadTriggerStartOffset(old), 0.0);
}

TEST(TriggerMoment, OnlyAFractionRightAfterTheSecondsIsAnOffset)
{
    EXPECT_DOUBLE_EQ(ReadTriggerStartOffset(WithTrigger("24-06-11", "12:00:05.5")), 0.5);
    EXPECT_NEAR(ReadTriggerStartOffset(WithTrigger("24-06-11", "12:00:05.125")), 0.125, 1e-12);
    EXPECT_DOUBLE_EQ(ReadTriggerStartOffset(WithTrigger("24-06-11", "12:00:05 7")), 0.0);
    EXPECT_DOUBLE_EQ(ReadTriggerStartOffset(WithTrigger("24-06-11", "12:00")), 0.0);
}

} // namespace
} // namespace kp
