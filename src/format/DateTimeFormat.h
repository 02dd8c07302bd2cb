#pragma once
// Absolute date-times: a base moment (the trigger) advanced by seconds.

#include "format/DateTime.h"

#include <string>

namespace kp {

// The date in Locale().dateFormat, a separator ("\r\n" when twoLines, else one
// blank) and the time in Locale().timeFormat, of base + offsetSeconds. The time
// shows the second in which the moment falls; an offset that misses a whole
// second only by the rounding of its computation (within 1e-9 s, or 1e-15 of
// its size) counts as that second. A non-finite offset counts as 0.
std::string FormatDateTimeWhole(const DateTime& base, double offsetSeconds, bool twoLines);

// FormatDateTimeWhole followed, when the time picture ends in seconds
// (Locale().timeHasSeconds), by the fraction of the second printed with
// decimals places, trailing zeros trimmed: "12:00:05.25" (separator from the
// locale). A fraction that prints as a whole second carries into the time:
// 5.9999 s with 3 decimals reads 12:00:06, never 12:00:05.1000.
std::string FormatDateTime(const DateTime& base, double offsetSeconds, bool twoLines, int decimals);

} // namespace kp
