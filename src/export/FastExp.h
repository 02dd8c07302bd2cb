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
#include <cstdint>

namespace kp {

// Characters WriteExpCell may write for a precision up to kMaxFastExpPrecision
// (sign, digit, separator, digits, "e", exponent sign, three digits).
inline constexpr int kMaxFastExpPrecision = 17;
constexpr std::size_t FastExpCapacity(int precision)
{
    return static_cast<std::size_t>(precision) + 10;
}

// printf("%+.*e") when forceSign, else printf("%.*e"), the exponent widened to
// three digits and '.' replaced by decimalSeparator. precision must lie in
// 0..kMaxFastExpPrecision; the buffer must hold FastExpCapacity(precision)
// characters. Returns the end of what was written (no terminator).
char* WriteExpCell(char* out, double value, int precision, bool forceSign, char decimalSeparator);

// WriteExpCell for one precision, for loops that print many values with the
// same precision; nullptr outside 0..kMaxFastExpPrecision.
using ExpCellWriter = char* (*)(char* out, double value, bool forceSign, char decimalSeparator);
ExpCellWriter ExpCellWriterFor(int precision);

// "%.*e" (no forced sign) for a run of values of one precision that mostly
// share their decimal exponent, such as the seconds of consecutive points:
// the scale and the exponent's text are kept from one value to the next.
// Writes exactly what WriteExpCell writes.
class DecadeExpWriter {
public:
    DecadeExpWriter(int precision, char decimalSeparator);
    char* write(char* out, double value);

private:
    void learn(int e10);

    int precision_;
    char decimalSeparator_;
    ExpCellWriter general_;
    void (*digits_)(char* out, std::uint64_t q);
    int k_ = -1; // the digits are round(|value| x 10^k); -1: nothing learnt
    std::uint64_t scale_ = 1; // 10^k
    std::uint64_t low_ = 1, high_ = 10; // 10^precision, 10^(precision + 1)
    char exponent_[5] = {}; // "e+000"
};

} // namespace kp
