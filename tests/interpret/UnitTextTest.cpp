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
    EXPECT_EQ(DisplayUnitText("~u~e", HeaderFamily::Family1), "uE");
    EXPECT_EQ(DisplayUnitText("~E", HeaderFamily::Family2), "uE");
    EXPECT_EQ(DisplayUnitText("~cC", HeaderFamily::Family3), "C");
    EXPECT_EQ(DisplayUnitText("~uV", HeaderFamily::Family9), "uV");
    EXPECT_EQ(DisplayUnitText("m~u~e/s", HeaderFamily::Family6), "muE/s");
    // "~u~e" is taken before "~u": strain is not micro followed by "~e".
    EXPECT_EQ(DisplayUnitText("~u~e~u", HeaderFamily::Family5), "uEu");
    EXPECT_EQ(DisplayUnitText("~o", HeaderFamily::Family1), "~o");
}

TEST(UnitText, ControlBytesStandForSymbols)
{
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 'V' }), HeaderFamily::Family1), "uV");
    EXPECT_EQ(DisplayUnitText(Bytes({ 20, 'A' }), HeaderFamily::Family9), "uA");
    EXPECT_EQ(DisplayUnitText(Bytes({ 12, 'C' }), HeaderFamily::Family2), "C");
    EXPECT_EQ(DisplayUnitText(Bytes({ 'm', 18 }), HeaderFamily::Family1), "m^2");
    EXPECT_EQ(DisplayUnitText(Bytes({ 'm', 19 }), HeaderFamily::Family1), "m^3");
    EXPECT_EQ(DisplayUnitText(Bytes({ 17 }), HeaderFamily::Family1), "~o");
    EXPECT_EQ(DisplayUnitText(Bytes({ 11, 'V' }), HeaderFamily::Family4), "~+V");
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 6 }), HeaderFamily::Family1), "uE");
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 6 }), HeaderFamily::Family8), "uE");
}

TEST(UnitText, FamiliesWithoutRewriting)
{
    // Family 7 rewrites control bytes but shows escapes as stored.
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 'V' }), HeaderFamily::Family7), "~uV");
    EXPECT_EQ(DisplayUnitText("~E", HeaderFamily::Family7), "~E");
    // Family 5 stores escapes only; control bytes stay as they are.
    EXPECT_EQ(DisplayUnitText(Bytes({ 21, 'V' }), HeaderFamily::Family5), Bytes({ 21, 'V' }));
    EXPECT_EQ(DisplayUnitText("~uV", HeaderFamily::Family5), "uV");
    // Family 0 shows its unit text as stored.
    EXPECT_EQ(DisplayUnitText("~uV", HeaderFamily::Family0), "~uV");
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
