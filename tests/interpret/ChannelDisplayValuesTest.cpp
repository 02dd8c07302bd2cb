#include <gtest/gtest.h>

#include "interpret/ChannelDisplayValues.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;

TEST(ChannelDisplayValues, PositionIsPercentOfTheHeightFromTheBottom)
{
    EXPECT_EQ(ParsePositionPercent("50%"), 0.0);
    EXPECT_EQ(ParsePositionPercent(" 100 "), 1.0);
    EXPECT_EQ(ParsePositionPercent("25%"), -0.5);
    EXPECT_EQ(ParsePositionPercent("-50"), -2.0);
    EXPECT_FALSE(ParsePositionPercent(""));
    EXPECT_FALSE(ParsePositionPercent("%"));
    EXPECT_FALSE(ParsePositionPercent("MID"));
    EXPECT_FALSE(ParsePositionPercent("50%%"));
}

TEST(ChannelDisplayValues, ExpandIsAFactorOrAFractionKeptWithin001To100)
{
    EXPECT_EQ(ParseExpand("x2"), 2.0);
    EXPECT_EQ(ParseExpand("X1/2"), 0.5);
    EXPECT_EQ(ParseExpand("1/5"), 0.2);
    EXPECT_EQ(ParseExpand("0.25"), 0.25);
    EXPECT_EQ(ParseExpand("x500"), 100.0);
    EXPECT_EQ(ParseExpand("1/1000"), 0.01);
    EXPECT_FALSE(ParseExpand("x0"));
    EXPECT_FALSE(ParseExpand("1/0"));
    EXPECT_FALSE(ParseExpand("-2"));
    EXPECT_FALSE(ParseExpand("x"));
    EXPECT_FALSE(ParseExpand("2x"));
}

TEST(ChannelDisplayValues, ColourIsThreeNumbersOfAByte)
{
    EXPECT_EQ(ParseHeaderColour("255 128 0"), (RgbColour { 255, 128, 0 }));
    EXPECT_EQ(ParseHeaderColour(" 0 0 7 "), (RgbColour { 0, 0, 7 }));
    EXPECT_FALSE(ParseHeaderColour("256 0 0"));
    EXPECT_FALSE(ParseHeaderColour("1 2"));
    EXPECT_FALSE(ParseHeaderColour("1 2 3 4"));
    EXPECT_FALSE(ParseHeaderColour("RED"));
}

TEST(ChannelDisplayValues, EachChannelClassReadsItsOwnRecord)
{
    using namespace displayfield;
    const CWaveHeadInfo head
        = HeadBuilder(3)
              .Channel(1, { { kGraph, "off" }, { kColour, "1 2 3" }, { kExpand, "x4" }, { kPosition, "75%" } })
              .Channel(2, { { kExpand, "junk" } })
              .Pulse(0, { { kGraph, "ON" }, { kPosition, "0%" } })
              .Logic(2, { { kGraph, "OFF" }, { kColour, "9 9 9" } })
              .Load();
    const ChannelDisplayValues a = ReadChannelDisplayValues(head, DisplayChannelClass::Analog, 1);
    EXPECT_FALSE(a.shown);
    EXPECT_EQ(a.colour, (RgbColour { 1, 2, 3 }));
    EXPECT_EQ(a.zoom, 4.0);
    EXPECT_EQ(a.position, 0.5);
    const ChannelDisplayValues b = ReadChannelDisplayValues(head, DisplayChannelClass::Analog, 2);
    EXPECT_TRUE(b.shown);
    EXPECT_FALSE(b.colour);
    EXPECT_EQ(b.zoom, 1.0);
    EXPECT_FALSE(b.position);
    const ChannelDisplayValues p = ReadChannelDisplayValues(head, DisplayChannelClass::Pulse, 0);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.position, -1.0);
    const ChannelDisplayValues l = ReadChannelDisplayValues(head, DisplayChannelClass::LogicUnit, 2);
    EXPECT_FALSE(l.shown);
    EXPECT_EQ(l.colour, (RgbColour { 9, 9, 9 }));
    // No record: the defaults.
    const ChannelDisplayValues none = ReadChannelDisplayValues(head, DisplayChannelClass::Calc, 0);
    EXPECT_TRUE(none.shown);
    EXPECT_FALSE(none.colour);
    EXPECT_EQ(none.zoom, 1.0);
    EXPECT_FALSE(none.position);
}

} // namespace
} // namespace kp
