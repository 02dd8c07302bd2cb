#include "format/NumberWriter.h"

#include "platform/LocaleInfo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace kp {

namespace {

int ClampPrecision(int precision)
{
    if (precision < 0)
        return 6;
    return precision > kMaxWriterPrecision ? kMaxWriterPrecision : precision;
}

// "e-05" becomes "e-005", as the platform's runtime prints an exponent.
void WidenExponent(std::string& text)
{
    const std::size_t e = text.find('e');
    if (e != std::string::npos && text.size() - e == 4)
        text.insert(e + 2, 1, '0');
}

// printf's "%g" choice between the forms, with a precision of the value's
// shortest digits but never fewer than "%g"'s six, so that the text equals
// what "%g" prints whenever that loses no digit.
template <class Real> std::string Shortest(Real value)
{
    char buffer[64];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    if (!std::isfinite(value))
        return std::string(buffer, end);
    const char* const first = buffer;
    const char* e = std::find(first, static_cast<const char*>(end), 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    const auto digits = static_cast<int>(std::count_if(first, e, [](char c) { return c >= '0' && c <= '9'; }));
    if (exponent >= -4 && exponent < std::max(digits, 6))
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    std::string text(buffer, end);
    WidenExponent(text);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = Locale().decimalSeparator;
    return text;
}

// printf's '+' flag puts a plus before every value whose sign bit is clear,
// zero, infinity and nan included.
char* WriteSign(char* out, double value, bool forceSign)
{
    if (forceSign && !std::signbit(value))
        *out++ = '+';
    return out;
}

} // namespace

char* AppendExp(char* out, double value, int precision, bool forceSign, char decimalSeparator)
{
    precision = ClampPrecision(precision);
    char* first = WriteSign(out, value, forceSign);
    // std::to_chars with a precision is exact and rounds like printf; it
    // writes at least two exponent digits.
    char* end = std::to_chars(first, out + ExpCapacity(precision), value, std::chars_format::scientific, precision).ptr;
    if (!std::isfinite(value))
        return end;
    if (precision > 0 && decimalSeparator != '.')
        first[std::signbit(value) ? 2 : 1] = decimalSeparator;
    if (end[-3] == '+' || end[-3] == '-') {
        end[0] = end[-1];
        end[-1] = end[-2];
        end[-2] = '0';
        ++end;
    }
    return end;
}

char* AppendExp(char* out, double value, int precision, bool forceSign)
{
    return AppendExp(out, value, precision, forceSign, Locale().decimalSeparator);
}

void AppendExp(std::string& text, double value, int precision, bool forceSign)
{
    const std::size_t old = text.size();
    text.resize(old + ExpCapacity(precision));
    char* end = AppendExp(text.data() + old, value, precision, forceSign);
    text.resize(static_cast<std::size_t>(end - text.data()));
}

char* AppendFixed(char* out, double value, int precision, bool forceSign, char decimalSeparator)
{
    precision = ClampPrecision(precision);
    char* first = WriteSign(out, value, forceSign);
    char* end = std::to_chars(first, out + FixedCapacity(precision), value, std::chars_format::fixed, precision).ptr;
    if (precision > 0 && decimalSeparator != '.' && std::isfinite(value)) {
        if (void* point = std::memchr(first, '.', static_cast<std::size_t>(end - first)))
            *static_cast<char*>(point) = decimalSeparator;
    }
    return end;
}

char* AppendFixed(char* out, double value, int precision, bool forceSign)
{
    return AppendFixed(out, value, precision, forceSign, Locale().decimalSeparator);
}

void AppendFixed(std::string& text, double value, int precision, bool forceSign)
{
    const std::size_t old = text.size();
    text.resize(old + FixedCapacity(precision));
    char* end = AppendFixed(text.data() + old, value, precision, forceSign);
    text.resize(static_cast<std::size_t>(end - text.data()));
}

char* AppendInt(char* out, long long value)
{
    return std::to_chars(out, out + kIntCapacity, value).ptr;
}

void AppendInt(std::string& text, long long value)
{
    char buffer[kIntCapacity];
    text.append(buffer, AppendInt(buffer, value));
}

std::string FormatFixed(double value, int precision, bool forceSign)
{
    std::string text;
    AppendFixed(text, value, precision, forceSign);
    return text;
}

std::string FormatShortest(double value)
{
    return Shortest(value);
}
std::string FormatShortest(float value)
{
    return Shortest(value);
}

std::string FormatExp(double value, int precision, bool forceSign)
{
    std::string text;
    AppendExp(text, value, precision, forceSign);
    return text;
}

} // namespace kp
