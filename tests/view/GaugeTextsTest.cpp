// Gauge column texts: number styles, their switch to exponent form, units and colours.
#include <gtest/gtest.h>

#include "view/GaugeTexts.h"

namespace kp {
namespace {

TEST(GaugeTexts, NumberStyles)
{
    using S = GaugeNumberStyle;
    struct Case {
        double value;
        S style;
        bool sign;
        const char* text;
    };
    const Case cases[] = {
        { 2.5, S::Decimal, true, "+2.5" },
        { 0.1234, S::Decimal, false, "0.123" },
        { 2e12, S::Decimal, false, "2.000E+12" }, // decimal stops below 1e12
        { 9.99e11, S::Decimal, false, "999000000000" },
        { 0.5, S::AuxiliaryUnit, false, "500m" },
        { -1234.0, S::AuxiliaryUnit, true, "-1.23k" },
        { 3e22, S::AuxiliaryUnit, true, "+3.000E+22" },
        { 0.00123, S::Exponential, false, "1.230E-03" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGaugeNumber(c.value, c.style, c.sign), c.text) << c.value;
}

TEST(GaugeTexts, ColumnWithAndWithoutUnitAndChannelColour)
{
    const GaugeChannel ch { "CH1", " V ", { 255, 0, 0 }, GaugeValuesOf([](double z) { return 2.5 * z + 0.5; }, 5) };
    EXPECT_EQ(ch.values.perDivision, 0.5);
    const GaugeColumn plain = MakeGaugeColumn(ch, GaugeNumberStyle::Decimal, false, false, { 0, 0, 0 });
    EXPECT_EQ(plain, (GaugeColumn { "[V]", "0.5/DIV", " +3", "-2 ", "CH1 (V) ", { 255, 0, 0 } }));
    const GaugeColumn withUnit = MakeGaugeColumn(ch, GaugeNumberStyle::Decimal, true, true, { 1, 2, 3 });
    EXPECT_EQ(withUnit, (GaugeColumn { "[V]", "0.5V/DIV", " +3V", "-2V ", "CH1 (V) ", { 1, 2, 3 } }));
}

} // namespace
} // namespace kp
