#pragma once
// The exponent form of the text export, fast and exact.
//
// A row of a text file holds a time value and many channel values, each in
// printf's "%.*e" / "%+.*e" form with a three-digit exponent. The general
// writer (AppendExp) is exact for every double but too slow to be called
// tens of millions of times per conversion. The values of a recording are
// ordinary numbers (seconds between 1e-11 and 1e7, physical values with at
// most 18 significant digits), for which the decimal digits can be computed
// exactly with one 128-bit multiplication or division: that is the fast path
// here. Anything else (subnormals, huge exponents, inf and nan) goes to the
// general writer. Either way the characters are those of printf for the same
// double, rounding ties to even as the C library does.

#include <cstddef>

namespace kp {

// Characters WriteExpCell may write for a precision up to kMaxFastExpPrecision
// (sign, digit, separator, digits, "e", exponent sign, three digits).
inline constexpr int kMaxFastExpPrecision = 17;
constexpr std::size_t FastExpCapacity(int precision) { return static_cast<std::size_t>(precision) + 10; }

// printf("%+.*e") when forceSign, else printf("%.*e"), the exponent widened to
// three digits and '.' replaced by decimalSeparator. precision must lie in
// 0..kMaxFastExpPrecision; the buffer must hold FastExpCapacity(precision)
// characters. Returns the end of what was written (no terminator).
char* WriteExpCell(char* out, double value, int precision, bool forceSign, char decimalSeparator);

// WriteExpCell for one precision, for loops that print many values with the
// same precision; nullptr outside 0..kMaxFastExpPrecision.
using ExpCellWriter = char* (*)(char* out, double value, bool forceSign, char decimalSeparator);
ExpCellWriter ExpCellWriterFor(int precision);

} // namespace kp
