#include <gtest/gtest.h>

#include "view/StartPlacement.h"

namespace kp {
namespace {

struct PlacementCase {
    const char* name;
    std::optional<ScreenRect> stored;
    bool fixWindowPos;
    int cmdShow;
    ScreenRect available;
    StartPlacement expected;
};

class StartPlacementRules : public testing::TestWithParam<PlacementCase> { };

TEST_P(StartPlacementRules, PlaceTheMainWindow)
{
    const PlacementCase& c = GetParam();
    const StartPlacement p = ChooseStartPlacement(c.stored, c.fixWindowPos, c.cmdShow, c.available);
    EXPECT_EQ(p.normal, c.expected.normal);
    EXPECT_EQ(p.positioned, c.expected.positioned);
    EXPECT_EQ(p.maximised, c.expected.maximised);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartPlacementRules,
    testing::Values(PlacementCase { "FirstStartTakesFourFifthsCentred", std::nullopt, false, 1, { 0, 0, 1600, 1000 },
                        { { 160, 100, 1280, 800 }, true, false } },
        // A panel on the left and one at the top: centred in what is left.
        PlacementCase { "FirstStartCentresInTheAvailableArea", std::nullopt, false, 1, { 64, 27, 1856, 1053 },
            { { 64 + 186, 27 + 105, 1484, 842 }, true, false } },
        PlacementCase { "FirstStartOnASmallScreenIsMaximised", std::nullopt, false, 1, { 0, 0, 1024, 600 },
            { { 102, 60, 819, 480 }, true, true } },
        PlacementCase { "FirstStartOnATinyScreenKeepsTheMinimum", std::nullopt, false, 1, { 0, 0, 300, 200 },
            { { 25, 0, 250, 250 }, true, true } },
        PlacementCase { "StoredSizeWithoutItsPosition", ScreenRect { 500, 400, 700, 500 }, false, 1,
            { 0, 0, 1600, 1000 }, { { 500, 400, 700, 500 }, false, false } },
        PlacementCase { "StoredPositionWhenFixed", ScreenRect { -5, 3000, 700, 500 }, true, 1, { 0, 0, 1600, 1000 },
            { { -5, 3000, 700, 500 }, true, false } },
        PlacementCase { "StoredMaximisedStaysMaximisedEvenOnALargeScreen", ScreenRect { 0, 0, 900, 600 }, false, 3,
            { 0, 0, 3840, 2160 }, { { 0, 0, 900, 600 }, false, true } },
        PlacementCase { "StoredSmallerThanTheMinimumGrows", ScreenRect { 0, 0, 100, 40 }, false, 1,
            { 0, 0, 1600, 1000 }, { { 0, 0, 250, 250 }, false, false } }),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(ParseScreenSize, TakesWidthByHeightWithinLimits)
{
    EXPECT_EQ(ParseScreenSize("1600x1000"), (ScreenRect { 0, 0, 1600, 1000 }));
    EXPECT_EQ(ParseScreenSize("250x250"), (ScreenRect { 0, 0, 250, 250 }));
    for (const char* bad : { "", "x", "1600", "1600x", "x1000", "1600X1000", "+1600x1000", "1600x1000x", "1600x 1000",
             "249x1000", "1600x100001", "99999999999x1000" })
        EXPECT_FALSE(ParseScreenSize(bad).has_value()) << bad;
}

} // namespace
} // namespace kp
