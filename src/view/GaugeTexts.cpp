#include "view/GaugeTexts.h"

#include "format/ExpFormat.h"
#include "format/NumberWriter.h"
#include "format/SiFormat.h"
#include "format/TextTrim.h"

#include <cmath>

namespace kp {

std::string FormatGaugeNumber(double value, GaugeNumberStyle style, bool withSign)
{
    const double magnitude = std::fabs(value);
    if ((style == GaugeNumberStyle::Decimal && magnitude >= 1e12)
        || (style == GaugeNumberStyle::AuxiliaryUnit && magnitude >= 1e22))
        style = GaugeNumberStyle::Exponential;
    switch (style) {
    case GaugeNumberStyle::Decimal:
        return TrimFractionZeros(FormatFixed(value, 3, withSign));
    case GaugeNumberStyle::Exponential:
        return FormatExpValue(value, withSign, 3);
    case GaugeNumberStyle::AuxiliaryUnit:
        break;
    }
    // Three significant digits: the leading one and two more.
    return FormatSiValue(value, withSign, false, -2);
}

GaugeColumn MakeGaugeColumn(
    const GaugeChannel& channel, GaugeNumberStyle style, bool addUnit, bool fixedColour, RgbColour gaugeTextColour)
{
    const std::string unit = TrimBoth(channel.unit);
    const std::string suffix = addUnit ? unit : std::string();
    GaugeColumn c;
    c.unit = "[" + unit + "]";
    c.division = FormatGaugeNumber(channel.values.perDivision, style, false) + suffix + "/DIV";
    c.top = " " + FormatGaugeNumber(channel.values.top, style, true) + suffix;
    c.bottom = FormatGaugeNumber(channel.values.bottom, style, true) + suffix + " ";
    c.name = channel.name + " (" + unit + ") ";
    c.colour = fixedColour ? gaugeTextColour : channel.colour;
    return c;
}

} // namespace kp
