#pragma once
// Numbers with an SI prefix, the form of the view's scales, the gauges and
// the trace window.

#include <string>

namespace kp {

// value / scale printed with "%+.*f" (withSign) or "%.*f" and the prefix of
// the scale ("E" 1e18 ... "k", none, "m", "u", "n", "p", "f", "a" 1e-18).
// The scale is the largest whose value is at most |value| + 1e-11, so that
// 999.999999999995 reads 1.000k. A magnitude below 1e-11 is zero: no sign, no
// prefix. digits >= 0 is the number of decimals; digits < 0 asks for -digits
// significant decimals after the leading digit of the scaled number. trimZeros
// removes trailing fraction zeros. Examples: (1500, false, false, 3) "1.500k",
// (-0.0021, true, true, 4) "-2.1m", (0.047, true, false, -3) "+47.00m".
// Infinity and nan print as printf prints them ("inf", "-inf", "+inf", "nan"),
// without prefix.
std::string FormatSiValue(double value, bool withSign, bool trimZeros, int digits);

} // namespace kp
