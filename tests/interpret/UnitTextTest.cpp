#include <gtest/gtest.h>

#include <string>

#include "interpret/UnitText.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

using test::HeadBuilder;

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

TEST(UnitText, EscapePairsInOrder)
{
    EXPECT_EQ(DisplayUnitText("~u~e", 1), "uE");
    EXPECT_EQ(DisplayUnitText("~E", 2), "uE");
    EXPECT_EQ(DisplayUnitText("~cC", 3), "C");
    EXPECT_EQ(DisplayUnitText("~uV", 9), "uV");
    EXPECT_EQ(DisplayUnitText("m~u~e/s", 6), "muE/s");
    // "~u~e" is taken before "~u": strain is not micro followed by "~e".
    EXPECT_EQ(DisplayUnitText("~u~e~u", 5), "uEu");
    EXPECT_EQ(DisplayUnitText("~o", 1), "~o");
}

TEST(UnitText, ControlBytesStandForSymbols)
{
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 'V' }), 1), "uV");
    EXPECT_EQ(DisplayUnitText(Bytes({ 20, 'A' }), 9), "uA");
    EXPECT_EQ(DisplayUnitText(Bytes({ 12, 'C' }), 2), "C");
    EXPECT_EQ(DisplayUnitText(Bytes({ 'm', 18 }), 1), "m^2");
    EXPECT_EQ(DisplayUnitText(Bytes({ 'm', 19 }), 1), "m^3");
    EXPECT_EQ(DisplayUnitText(Bytes({ 17 }), 1), "~o");
    EXPECT_EQ(DisplayUnitText(Bytes({ 11, 'V' }), 4), "~+V");
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 6 }), 1), "uE");
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 6 }), 8), "uE");
}

TEST(UnitText, FamiliesWithoutRewriting)
{
    // Family 7 rewrites control bytes but shows escapes as stored.
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 'V' }), 7), "~uV");
    EXPECT_EQ(DisplayUnitText("~E", 7), "~E");
    // Family 5 stores escapes only; control bytes stay as they are.
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 'V' }), 5), Bytes({ 21, 'V' }));
    EXPECT_EQ(DisplayUnitText("~uV", 5), "uV");
    // Family 0 shows its unit text as stored.
    EXPECT_EQ(DisplayUnitText("~uV", 0), "~uV");
}

TEST(UnitText, ChannelAndPulseUnitFields)
{
    const CWaveHeadInfo head
        = HeadBuilder(1).Channel(0, { { 22, Bytes({ 21, 'V' }) }, { 8, "X" } }).Pulse(0, { { 22, "~cC" } }).Load();
    EXPECT_EQ(head.GetUnitText(0), "uV");
    EXPECT_EQ(head.GetUnitText(1), "");
    EXPECT_EQ(head.GetPulseUnitText(0), "C");
    EXPECT_EQ(HeadBuilder(0).Channel(0, { { 22, "X" }, { 8, "mV" } }).Load().GetUnitText(0), "mV");
}

} // namespace
} // namespace kp
