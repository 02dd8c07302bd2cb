#include <gtest/gtest.h>

#include "format/SettingsEncoding.h"
#include "platform/SettingsStore.h"

namespace kp {
namespace {

TEST(SettingsEncoding, WritesDecimalTextSeparatedByBlanks)
{
    EXPECT_EQ(EncodeColour({ 255, 0, 128 }), "255 0 128");
    EXPECT_EQ(EncodeRect({ -8, 0, 1024, 768 }), "-8 0 1024 768");
    EXPECT_EQ(EncodePoint({ 3, -4 }), "3 -4");
    WindowPlacement p;
    p.flags = 2;
    p.showCmd = 3;
    p.minPosition = { -1, -1 };
    p.maxPosition = { -8, -31 };
    p.normalPosition = { 10, 20, 810, 620 };
    EXPECT_EQ(EncodePlacement(p), "2 3 -1 -1 -8 -31 10 20 810 620");
    EXPECT_EQ(DecodePlacement(EncodePlacement(p)), p);
}

TEST(SettingsEncoding, TakesAValueOnlyWithAllItsNumbers)
{
    EXPECT_EQ(DecodeColour("1 2 3"), (RgbColour { 1, 2, 3 }));
    EXPECT_FALSE(DecodeColour("1 2"));
    EXPECT_FALSE(DecodeColour(""));
    EXPECT_FALSE(DecodeColour("a b c"));
    EXPECT_FALSE(DecodeColour("1,2,3"));
    EXPECT_FALSE(DecodeColour("1 2 x3"));

    EXPECT_EQ(DecodeRect(" 1\t2  -3 +4"), (SettingsRect { 1, 2, -3, 4 }));
    EXPECT_FALSE(DecodeRect("1 2 3"));
    EXPECT_EQ(DecodePoint("5 6"), (SettingsPoint { 5, 6 }));
    EXPECT_FALSE(DecodePoint("5"));
    EXPECT_FALSE(DecodePlacement("0 1 2 3 4 5 6 7 8"));
    EXPECT_TRUE(DecodePlacement("0 1 2 3 4 5 6 7 8 9"));
    // A number too large for an int is not a number.
    EXPECT_FALSE(DecodeRect("1 2 3 99999999999"));
}

TEST(SettingsEncoding, ReadsLikeAScanThatStopsAtTheNeededCount)
{
    // Text after the last needed number is ignored, as a "%d %d %d" scan does.
    EXPECT_EQ(DecodeColour("1 2 3 4"), (RgbColour { 1, 2, 3 }));
    EXPECT_EQ(DecodePoint("7 8 junk"), (SettingsPoint { 7, 8 }));
    int v[3] = {};
    EXPECT_EQ(ScanIntegers("4-5 +-6", v, 3), 2);
    EXPECT_EQ(v[0], 4);
    EXPECT_EQ(v[1], -5);
}

TEST(SettingsEncoding, ColourComponentsKeepTheirLowEightBits)
{
    EXPECT_EQ(DecodeColour("300 -1 256"), (RgbColour { 44, 255, 0 }));
}

TEST(SettingsEncoding, StoreHelpersFallBackToTheDefault)
{
    MemorySettingsStore store;
    const SettingKey key { "Main", "Placement" };
    const SettingsRect fallback { 0, 0, 640, 480 };
    EXPECT_EQ(ReadRect(store, key, fallback), fallback);
    WriteRect(store, key, { 1, 2, 3, 4 });
    EXPECT_EQ(store.readText("Main", "Placement", ""), "1 2 3 4");
    EXPECT_EQ(ReadRect(store, key, fallback), (SettingsRect { 1, 2, 3, 4 }));
    store.writeText("Main", "Placement", "1 2 3");
    EXPECT_EQ(ReadRect(store, key, fallback), fallback);

    const SettingKey colour { "Gage", "LineColor" };
    WriteColour(store, colour, { 9, 8, 7 });
    EXPECT_EQ(ReadColour(store, colour, {}), (RgbColour { 9, 8, 7 }));
    WritePoint(store, { "X", "P" }, { 5, -5 });
    EXPECT_EQ(ReadPoint(store, { "X", "P" }, {}), (SettingsPoint { 5, -5 }));
    WindowPlacement placement;
    placement.showCmd = 1;
    WritePlacement(store, { "X", "W" }, placement);
    EXPECT_EQ(ReadPlacement(store, { "X", "W" }, {}), placement);
}

TEST(SettingsEncoding, CustomColoursNeedExactlySixteenTriples)
{
    CustomColours colours {};
    colours[15] = { 1, 2, 3 };
    const auto bytes = EncodeCustomColours(colours);
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(DecodeCustomColours(bytes), colours);
    EXPECT_FALSE(DecodeCustomColours(std::vector<std::uint8_t>(49, 0)));
    EXPECT_FALSE(DecodeCustomColours({}));
}

} // namespace
} // namespace kp
