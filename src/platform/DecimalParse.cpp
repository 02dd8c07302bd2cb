#include "platform/DecimalParse.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <version>

#if defined(_WIN32)
#include <locale.h>
#elif defined(__APPLE__)
#include <xlocale.h>
#endif

namespace kp {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* p, const char* last)
{
    while (p < last && IsDigit(*p))
        ++p;
    return p;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// End of the word (compared without case) at p, or p when it is not there.
const char* SkipWord(const char* p, const char* last, std::string_view word)
{
    for (std::size_t i = 0; i < word.size(); ++i)
        if (p + i >= last || Lower(p[i]) != word[i])
            return p;
    return p + word.size();
}

// "inf", "infinity", "nan" and "nan(chars)" after an optional minus sign.
std::optional<std::from_chars_result> ParseSpecial(const char* first, const char* last, double& value)
{
    const bool negative = first < last && *first == '-';
    const char* p = first + (negative ? 1 : 0);
    if (const char* inf = SkipWord(p, last, "inf"); inf != p) {
        value = negative ? -HUGE_VAL : HUGE_VAL;
        const char* infinity = SkipWord(inf, last, "inity");
        return std::from_chars_result { infinity, std::errc {} };
    }
    const char* end = SkipWord(p, last, "nan");
    if (end == p)
        return std::nullopt;
    if (end < last && *end == '(') {
        const char* q = end + 1;
        while (q < last && (IsDigit(*q) || (Lower(*q) >= 'a' && Lower(*q) <= 'z') || *q == '_'))
            ++q;
        if (q < last && *q == ')')
            end = q + 1;
    }
    value = negative ? -std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::quiet_NaN();
    return std::from_chars_result { end, std::errc {} };
}

// End of the number that starts at first, or first when there is none.
const char* NumberEnd(const char* first, const char* last)
{
    const char* p = first;
    if (p < last && *p == '-')
        ++p;
    const char* integer = p;
    p = SkipDigits(p, last);
    bool digits = p != integer;
    if (p < last && *p == '.') {
        const char* fraction = p + 1;
        const char* end = SkipDigits(fraction, last);
        if (!digits && end == fraction)
            return first;
        digits = true;
        p = end;
    }
    if (!digits)
        return first;
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < last && (*q == '+' || *q == '-'))
            ++q;
        const char* end = SkipDigits(q, last);
        if (end != q)
            p = end;
    }
    return p;
}

#if defined(_WIN32)
double StrtodC(const char* text, char** end)
{
    static const _locale_t c = _create_locale(LC_ALL, "C");
    return _strtod_l(text, end, c);
}
#else
double StrtodC(const char* text, char** end)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t {});
    return strtod_l(text, end, c);
}
#endif

} // namespace

std::from_chars_result ParseDecimalInCLocale(const char* first, const char* last, double& value)
{
    const char* numberEnd = NumberEnd(first, last);
    if (numberEnd == first) {
        if (const auto special = ParseSpecial(first, last, value))
            return *special;
        return { first, std::errc::invalid_argument };
    }
    // The C reader needs a terminated text and would read on past the
    // number's end into whatever follows.
    const std::string number(first, numberEnd);
    errno = 0;
    const double read = StrtodC(number.c_str(), nullptr);
    // A subnormal result is a number, though the C reader may call it an
    // underflow.
    if (errno == ERANGE && (read == 0.0 || std::isinf(read)))
        return { numberEnd, std::errc::result_out_of_range };
    value = read;
    return { numberEnd, std::errc {} };
}

std::from_chars_result ParseDecimal(const char* first, const char* last, double& value)
{
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    return std::from_chars(first, last, value, std::chars_format::general);
#else
    return ParseDecimalInCLocale(first, last, value);
#endif
}

} // namespace kp
