#pragma once
// Numbers in exponent form and rounding to significant digits.

#include <string>

namespace kp {

// printf("%+.*e") (withSign) or printf("%.*e") with the exponent written as
// "E", its sign and at least two digits, and Locale().decimalSeparator:
// (0.00123, false, 3) "1.230E-03", (123456, true, 2) "+1.23E+05". Infinity
// and nan stay as printf prints them ("inf", "+inf", "-nan"...). A negative
// decimals means 6, as printf takes it.
std::string FormatExpValue(double value, bool withSign, int decimals);

// The value rounded to digits + 1 significant digits, exactly as printing it
// with "%.*e" and reading the text back gives. Infinity and nan are returned
// unchanged, and so is a value whose rounding would leave the double range
// (the largest doubles with few digits); a negative digits means 6.
double RoundToPrecision(double value, int digits);
float RoundToPrecision(float value, int digits);

} // namespace kp
