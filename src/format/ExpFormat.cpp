#include "format/ExpFormat.h"

#include "format/NumberWriter.h"
#include "platform/DecimalParse.h"
#include "platform/LocaleInfo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace kp {

std::string FormatExpValue(double value, bool withSign, int decimals)
{
    std::string text;
    // The 'e' form with the separator already in place; only the exponent
    // letter differs, the two-digit minimum being printf's own.
    text.resize(ExpCapacity(decimals));
    char* first = text.data();
    const char separator = Locale().decimalSeparator;
    if (withSign && !std::signbit(value))
        *first++ = '+';
    const int precision = decimals < 0 ? 6 : std::min(decimals, kMaxWriterPrecision);
    char* end = std::to_chars(first, text.data() + text.size(), value, std::chars_format::scientific, precision).ptr;
    text.resize(static_cast<std::size_t>(end - text.data()));
    if (std::isfinite(value)) {
        const std::size_t e = text.rfind('e');
        text[e] = 'E';
        if (precision > 0)
            text[text.find('.')] = separator;
    }
    return text;
}

double RoundToPrecision(double value, int digits)
{
    if (!std::isfinite(value))
        return value;
    const int precision = digits < 0 ? 6 : std::min(digits, kMaxWriterPrecision);
    std::array<char, ExpCapacity(kMaxWriterPrecision)> buffer;
    char* end
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, precision)
              .ptr;
    double rounded = value;
    ParseDecimal(buffer.data(), end, rounded);
    return rounded;
}

float RoundToPrecision(float value, int digits)
{
    return static_cast<float>(RoundToPrecision(static_cast<double>(value), digits));
}

} // namespace kp
