#pragma once
// Reading a decimal floating-point number from text, independent of the
// locale. Some standard libraries still lack the floating-point
// std::from_chars; there the C library's reader does the work.

#include <charconv>

namespace kp {

// Reads the longest prefix of [first, last) of the form
// -?digits[.digits][(e|E)[+-]digits] (at least one digit before the
// exponent), correctly rounded, or an infinity or NaN word, as std::from_chars
// with chars_format::general does: no leading blank or plus sign, no
// hexadecimal. On success value holds the number and ptr points past it; a text
// without a number answers invalid_argument with ptr at first; a number whose
// magnitude rounds to zero or beyond the largest double answers
// result_out_of_range with ptr past it. On either error value is unchanged.
std::from_chars_result ParseDecimal(const char* first, const char* last, double& value);

// The reader that ParseDecimal falls back on: delimits the number itself and
// converts it with the C library's reader in the "C" locale. Always built, so
// it is tested where std::from_chars exists too.
std::from_chars_result ParseDecimalInCLocale(const char* first, const char* last, double& value);

} // namespace kp
