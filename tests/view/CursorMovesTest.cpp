// The trace window's cursor moves keep 0 <= A <= B <= last.
#include "view/CursorMoves.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

TEST(CursorMoves, SpinsAndTypedPositionsStayOrderedAndOnTheRecord)
{
    constexpr std::int64_t last = 99;
    struct Case {
        const char* what;
        CursorPair got, expected;
    } cases[] = {
        { "A by -5 stops at 0", MoveCursorA({ 3, 50 }, -5, last), { 0, 50 } },
        { "A by +80 stops at B", MoveCursorA({ 3, 50 }, 80, last), { 50, 50 } },
        { "B by -80 stops at A", MoveCursorB({ 30, 50 }, -80, last), { 30, 30 } },
        { "B by +80 stops at last", MoveCursorB({ 30, 50 }, 80, last), { 30, 99 } },
        { "pair by 7", MoveCursorPair({ 30, 50 }, 7, false, last), { 37, 57 } },
        { "pair by distance forward", MoveCursorPair({ 30, 50 }, 1, true, last), { 50, 70 } },
        { "pair by distance back", MoveCursorPair({ 30, 50 }, -3, true, last), { 10, 30 } },
        { "pair stops at the end", MoveCursorPair({ 70, 90 }, 1, true, last), { 79, 99 } },
        { "pair stops at the start", MoveCursorPair({ 5, 25 }, -100, false, last), { 0, 20 } },
        { "typed B below A stays at A", PlaceCursorB({ 40, 60 }, 10, last), { 40, 40 } },
        { "typed A beyond B stays at B", PlaceCursorA({ 40, 60 }, 70, last), { 60, 60 } },
        { "typed A negative", PlaceCursorA({ 40, 60 }, -7, last), { 0, 60 } },
        { "typed B huge", PlaceCursorB({ 40, 60 }, INT64_MAX, last), { 40, 99 } },
        { "A by a huge step", MoveCursorA({ 40, 60 }, INT64_MIN, last), { 0, 60 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(CursorMoves, HeldSpinAcceleratesInThreeStages)
{
    EXPECT_EQ(SpinStep(0), 1);
    EXPECT_EQ(SpinStep(9), 1);
    EXPECT_EQ(SpinStep(10), 10);
    EXPECT_EQ(SpinStep(29), 10);
    EXPECT_EQ(SpinStep(30), 100);
}

} // namespace
} // namespace kp
