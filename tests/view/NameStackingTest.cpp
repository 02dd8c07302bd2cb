// Names at one end of the strip never overprint: only colliding names move.
#include <gtest/gtest.h>

#include "view/NameStacking.h"

namespace kp {
namespace {

TEST(NameStacking, CollidingNamesStackAndOthersKeepTheirRows)
{
    struct Case {
        std::vector<int> tops;
        std::vector<int> expected;
    };
    const Case cases[] = {
        { { 10, 50, 90 }, { 10, 50, 90 } }, // apart: unchanged
        { { 100, 100, 100 }, { 100, 112, 124 } }, // same row: one under the other, first on top
        { { 40, 30, 200 }, { 42, 30, 200 } }, // order of the wish decides, not order of the list
        { { 290, 295, 20 }, { 276, 288, 20 } }, // past the lowest top: pushed back up
        { { 0, 0, 0, 0 }, { 0, 12, 24, 36 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(StackNameTops(c.tops, 12, 0, 288), c.expected) << ::testing::PrintToString(c.tops);
}

TEST(NameStacking, MoreNamesThanRoomStopAtTheHighestTop)
{
    const std::vector<int> tops = StackNameTops({ 5, 5, 5, 5 }, 12, 0, 20);
    EXPECT_EQ(tops, (std::vector<int> { 0, 0, 8, 20 }));
}

} // namespace
} // namespace kp
