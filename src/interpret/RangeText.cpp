#include "interpret/RangeText.h"

#include <cmath>
#include <limits>

#include "format/HeaderNumber.h"

namespace kp {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double LeadingNumber(std::string_view text)
{
    return ParseHeaderDouble(text, 0.0);
}

std::optional<double> GivenNumber(std::string_view text)
{
    for (char c : text)
        if (!IsBlank(c))
            return LeadingNumber(text);
    return std::nullopt;
}

std::string_view UnitPart(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (IsDigit(text[i]) || text[i] == '.'))
        ++i;
    return text.substr(i);
}

double UnitPrefixFactor(std::string_view unit, bool lowerCaseStrain)
{
    if (unit.empty())
        return 1.0;
    const char second = unit.size() > 1 ? unit[1] : '\0';
    switch (unit[0]) {
    case 'm':
        return second != '\0' && second != '/' ? 0.001 : 1.0;
    case 'k':
        return 1000.0;
    case 'u':
        if (second == 'E' || (lowerCaseStrain && second == 'e'))
            return 1.0;
        return 0.000001;
    default:
        return 1.0;
    }
}

double RangeTextValue(std::string_view text, bool lowerCaseStrain)
{
    return LeadingNumber(text) * UnitPrefixFactor(UnitPart(text), lowerCaseStrain);
}

std::string_view TimeUnitPart(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    std::string_view unit = UnitPart(text);
    while (!unit.empty() && IsBlank(unit.front()))
        unit.remove_prefix(1);
    return unit;
}

double TimeUnitSeconds(std::string_view unit)
{
    if (unit.starts_with("min"))
        return 60.0;
    if (unit.empty())
        return 1.0;
    switch (unit.front()) {
    case 'm':
        return 0.001;
    case 'u':
        return 0.000001;
    case 'n':
        return 0.000000001;
    case 'k':
        return 1000.0;
    case 'h':
        return 3600.0;
    case 'd':
        return 86400.0;
    default:
        return 1.0;
    }
}

double SamplingIntervalSeconds(std::string_view text)
{
    return LeadingNumber(text) * TimeUnitSeconds(TimeUnitPart(text));
}

std::optional<double> HexDoubleText(std::string_view text)
{
    return ParseHexDouble(text);
}

double DivideOrInfinite(double a, double b)
{
    if (b == 0.0)
        return std::copysign(std::numeric_limits<double>::infinity(), a) * (std::signbit(b) ? -1.0 : 1.0);
    return a / b;
}

} // namespace kp
