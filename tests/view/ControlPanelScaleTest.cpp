// The control panel's sliders: ends, centre, and the way back from a value.
#include <gtest/gtest.h>

#include "view/ControlPanelScale.h"

namespace kp {
namespace {

TEST(ControlPanelScale, ZoomSlider)
{
    EXPECT_DOUBLE_EQ(ZoomFromSlider(1), 100.0);
    EXPECT_DOUBLE_EQ(ZoomFromSlider(9991), 0.10);
    EXPECT_DOUBLE_EQ(ZoomFromSlider(10000), 0.01);
    EXPECT_EQ(ZoomText(ZoomFromSlider(9991)), "0.1");
    EXPECT_EQ(ZoomText(ZoomFromSlider(1)), "100");
    for (const int s : { 1, 2, 5000, 9900, 9991, 10000 })
        EXPECT_EQ(SliderFromZoom(ZoomFromSlider(s)), s) << s;
    // Beyond the ends, and zooms the slider cannot show, stay on it.
    EXPECT_EQ(SliderFromZoom(1000.0), 1);
    EXPECT_EQ(SliderFromZoom(0.0), 10000);
}

TEST(ControlPanelScale, PositionSlider)
{
    EXPECT_DOUBLE_EQ(PositionFromSlider(1000), 0.0);
    EXPECT_EQ(PositionText(1000), "50%");
    EXPECT_DOUBLE_EQ(PositionFromSlider(0), 20.0);
    EXPECT_DOUBLE_EQ(PositionFromSlider(2000), -20.0);
    EXPECT_EQ(PositionText(0), "1050%");
    for (const int s : { 0, 1, 975, 1000, 1500, 2000 })
        EXPECT_EQ(SliderFromPosition(PositionFromSlider(s)), s) << s;
    EXPECT_EQ(SliderFromPosition(-100.0), 2000);
}

} // namespace
} // namespace kp
