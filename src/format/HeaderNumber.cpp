#include "format/HeaderNumber.h"

#include "platform/DecimalParse.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>

namespace kp {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal order of the first significant digit of an unsigned number text
// ("123.4" 2, "0.05" -2, "5e-400" -400). the decimal reader reports only that a
// number is out of range; this tells an overflow (positive order) from an
// underflow.
long long DecimalOrder(std::string_view number)
{
    std::size_t i = 0;
    long long integerDigits = 0;
    long long zerosAfterPoint = 0;
    bool significant = false;
    bool afterPoint = false;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (!afterPoint) {
            significant = significant || number[i] != '0';
            if (significant)
                ++integerDigits;
        } else if (!significant) {
            if (number[i] != '0')
                significant = true;
            else
                ++zerosAfterPoint;
        }
    }
    long long order = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            negative = number[i++] == '-';
        long long exponent = 0;
        for (; i < number.size() && IsDigit(number[i]); ++i)
            exponent = exponent < 1'000'000'000 ? exponent * 10 + (number[i] - '0') : exponent;
        order += negative ? -exponent : exponent;
    }
    return order;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<double> ParseHeaderDouble(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // The decimal reader would also take "inf", "nan" and a second minus sign; a
    // header number starts with a digit or a point followed by a digit.
    if (i >= text.size())
        return std::nullopt;
    if (!IsDigit(text[i]) && !(text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])))
        return std::nullopt;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    double value = 0;
    const auto result = ParseDecimal(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = DecimalOrder(std::string_view(first, static_cast<std::size_t>(result.ptr - first))) > 0
            ? std::numeric_limits<double>::infinity()
            : 0.0;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double ParseHeaderDouble(std::string_view text, double fallback)
{
    return ParseHeaderDouble(text).value_or(fallback);
}

double HeaderFieldNumber(std::string_view text, double notGiven)
{
    bool blank = true;
    for (char c : text)
        blank = blank && IsBlank(c);
    if (blank)
        return notGiven;
    return ParseHeaderDouble(text, 0.0);
}

std::optional<double> ParseHexDouble(std::string_view text)
{
    if (text.size() < 16)
        return std::nullopt;
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0)
            return std::nullopt;
        bits = (bits << 4) | static_cast<std::uint64_t>(digit);
    }
    return std::bit_cast<double>(bits);
}

} // namespace kp
