#include <gtest/gtest.h>

#include "support/HeadBuilder.h"

namespace kp {
namespace {

TEST(PulseFullScale, WholePartOfTheRangeTextAtLeastOne)
{
    const CWaveHeadInfo head = test::HeadBuilder(3)
                                   .Pulse(0, { { 4, "1000" } })
                                   .Pulse(1, { { 4, "5k" } })
                                   .Pulse(2, { { 4, "0.5" } })
                                   .Pulse(3, { { 4, "12.9" } })
                                   .Load();
    EXPECT_EQ(head.GetPulseFullScale(0), 1000);
    EXPECT_EQ(head.GetPulseFullScale(1), 5000);
    EXPECT_EQ(head.GetPulseFullScale(2), 1);
    EXPECT_EQ(head.GetPulseFullScale(3), 12);
    EXPECT_EQ(test::HeadBuilder(3).Load().GetPulseFullScale(0), 1); // no record
}

} // namespace
} // namespace kp
