#include <gtest/gtest.h>

#include "platform/LocaleInfo.h"
#include "view/TimeAxisText.h"

namespace kp {
namespace {

TEST(TimeAxisText, DivAndPointCountFromTheTriggerLine)
{
    TimeAxisContext c;
    c.notation = AxisNotation::Div;
    EXPECT_EQ(TimeAxisLabel(c, 0), "0DIV");
    EXPECT_EQ(TimeAxisLabel(c, -20), "-20DIV");
    c.notation = AxisNotation::Point;
    c.pointsPerDivision1 = 250;
    EXPECT_EQ(TimeAxisLabel(c, -3), "-750");
}

TEST(TimeAxisText, SecondsAreWholeFromOneSecondPerDivOtherwiseSiPrefixed)
{
    ScopedLocale locale { LocaleInfo {} };
    TimeAxisContext c;
    c.notation = AxisNotation::Sec;
    c.timePerDiv = 1.0;
    EXPECT_EQ(TimeAxisLabel(c, 5), "5s");
    EXPECT_EQ(TimeAxisLabel(c, -5), "-5s");
    c.timePerDiv = 0.01;
    const std::string label = TimeAxisLabel(c, 5);
    EXPECT_EQ(label, "50.00ms"); // three significant digits after the leading one, as the SI format counts them
    c.pointsPerDivision0 = 100;
    c.pointsPerDivision1 = 200; // lines two DIVs apart
    EXPECT_EQ(TimeAxisLabel(c, 5), "100.0ms");
}

TEST(TimeAxisText, TrigNotationIsElapsedTime)
{
    ScopedLocale locale { LocaleInfo {} };
    TimeAxisContext c;
    c.notation = AxisNotation::Trig;
    c.timePerDiv = 1e-3;
    c.sampleInterval = 1e-5;
    EXPECT_EQ(TimeAxisLabel(c, 0), "0s");
    EXPECT_EQ(TimeAxisLabel(c, 3), "+3ms");
}

TEST(TimeAxisText, DateNotationAdvancesTheTriggerMoment)
{
    ScopedLocale locale { LocaleInfo {} };
    TimeAxisContext c;
    c.notation = AxisNotation::Date;
    c.timePerDiv = 1.0;
    EXPECT_EQ(TimeAxisLabel(c, 2), ""); // no trigger moment known
    c.triggerMoment = DateTime::FromCivil(2024, 6, 11, 12, 0, 0);
    c.startOffset = 0.5;
    EXPECT_EQ(TimeAxisLabel(c, 2), "2024/06/11\n12:00:02");
    c.enhancedDate = true;
    c.sampleInterval = 0.01;
    EXPECT_EQ(TimeAxisLabel(c, 2), "2024/06/11\n12:00:02.5");
}

} // namespace
} // namespace kp
