#include "interpret/RangeText.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kp {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only a digit or a point starts a number: words such as "inf" or "nan"
    // in a header field are text, not values.
    if (i == text.size() || !(IsDigit(text[i]) || text[i] == '.'))
        return 0.0;
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    if (ptr == first)
        return 0.0;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; a header text of 400
        // digits is still a (huge or tiny) number, not zero.
        bool nonZeroMantissa = false;
        bool exponentNegative = false;
        for (const char* p = first; p < ptr; ++p) {
            if (*p == 'e' || *p == 'E') {
                exponentNegative = p + 1 < ptr && p[1] == '-';
                break;
            }
            nonZeroMantissa = nonZeroMantissa || (*p >= '1' && *p <= '9');
        }
        value = nonZeroMantissa && !exponentNegative ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
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

double SamplingIntervalSeconds(std::string_view text)
{
    std::string_view unit = UnitPart(text);
    while (!unit.empty() && IsBlank(unit.front()))
        unit.remove_prefix(1);
    double factor = 1.0;
    if (unit.starts_with("min"))
        factor = 60.0;
    else if (unit.starts_with('m'))
        factor = 0.001;
    else if (unit.starts_with('k'))
        factor = 1000.0;
    else if (unit.starts_with('u'))
        factor = 0.000001;
    else if (unit.starts_with('h'))
        factor = 3600.0;
    return LeadingNumber(text) * factor;
}

std::optional<double> HexDoubleText(std::string_view text)
{
    if (text.size() < 16)
        return std::nullopt;
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        const int v = HexValue(text[i]);
        if (v < 0)
            return std::nullopt;
        bits = (bits << 4) | static_cast<std::uint64_t>(v);
    }
    return std::bit_cast<double>(bits);
}

double DivideOrInfinite(double a, double b)
{
    if (b == 0.0)
        return std::copysign(std::numeric_limits<double>::infinity(), a) * (std::signbit(b) ? -1.0 : 1.0);
    return a / b;
}

} // namespace kp
