#pragma once
// printf-compatible number writers for the text export and the formatters.
//
// Each writer produces exactly the characters that the C library's printf
// prints for the same conversion in the "C" locale (same digits, same rounding
// of the exact binary value, same signs for -0, inf and nan), with two
// differences that the program's text layout asks for:
//   - the decimal point is the caller's separator (normally
//     Locale().decimalSeparator);
//   - AppendExp writes the exponent with at least three digits
//     ("1.234560e+000"); exponents that already have three digits stay as
//     printed ("1.0e+300").
//
// The char* forms write into a caller's buffer without a terminator and return
// the end of what they wrote; the buffer must hold the capacity the matching
// *Capacity() function names. Infinity and not-a-number come out as printf
// writes them: "inf", "-inf", "nan", "-nan" (a nan with its sign bit set), and
// with forceSign "+inf", "+nan"; they carry no exponent and no separator.
//
// A negative precision means 6, as printf takes a negative "*" precision;
// precisions above kMaxWriterPrecision are cut to it.

#include <cstddef>
#include <string>

namespace kp {

inline constexpr int kMaxWriterPrecision = 500;

// Characters AppendExp may write for a precision.
constexpr std::size_t ExpCapacity(int precision)
{
    return static_cast<std::size_t>(
               precision < 0 ? 6 : (precision > kMaxWriterPrecision ? kMaxWriterPrecision : precision))
        + 10;
}

// Characters AppendFixed may write for a precision (the integer part of the
// largest double has 309 digits).
constexpr std::size_t FixedCapacity(int precision)
{
    return static_cast<std::size_t>(
               precision < 0 ? 6 : (precision > kMaxWriterPrecision ? kMaxWriterPrecision : precision))
        + 313;
}

// Characters AppendInt may write.
inline constexpr std::size_t kIntCapacity = 21;

// printf("%+.*e") when forceSign, else printf("%.*e"), exponent widened to
// three digits, '.' replaced by decimalSeparator.
char* AppendExp(char* out, double value, int precision, bool forceSign, char decimalSeparator);
// The same with Locale().decimalSeparator.
char* AppendExp(char* out, double value, int precision, bool forceSign);
void AppendExp(std::string& text, double value, int precision, bool forceSign);

// printf("%+.*f") when forceSign, else printf("%.*f"), '.' replaced by
// decimalSeparator.
char* AppendFixed(char* out, double value, int precision, bool forceSign, char decimalSeparator);
char* AppendFixed(char* out, double value, int precision, bool forceSign);
void AppendFixed(std::string& text, double value, int precision, bool forceSign);

// printf("%d") / printf("%lld").
char* AppendInt(char* out, long long value);
void AppendInt(std::string& text, long long value);

// The shortest text that reads back as the value in its own precision,
// fixed or with an exponent as printf's "%g" chooses, for numbers that
// the file prints as they are stored rather than to a precision ("0.5",
// "0.1234567", "2.5e-005"): exponent widened to three digits, '.' replaced by
// Locale().decimalSeparator.
std::string FormatShortest(double value);
std::string FormatShortest(float value);

// Convenience texts with Locale().decimalSeparator ("%.2f" of a zoom, "%.1f%%"
// of a vernier is FormatFixed(v, 1) + "%").
std::string FormatFixed(double value, int precision, bool forceSign = false);
std::string FormatExp(double value, int precision, bool forceSign = false);

} // namespace kp
