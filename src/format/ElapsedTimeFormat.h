#pragma once
// Time elapsed from the trigger, in the resolution that the record's sample
// interval calls for.

#include <string>

namespace kp {

// stepSeconds is the time per sample and chooses the form; the first
// character is "-" for a negative time and a blank otherwise, and the numbers
// are not zero-filled:
//   step >= 1:         " 0d0h1:5"      (days, hours, minutes:seconds)
//   0.1 <= step < 1:   " 0d1h2m5.3s"   (seconds with tenths, locale separator)
//   step < 0.1:        FormatSiValue(seconds, with sign, trimmed, digits) + "s"
//                      ("+12.5ms", "0s"); digits < 1 means 6 for a step of
//                      1e-6 s or more and 9 below.
// twoLines puts "\r\n " between the hours and the minutes of the first two
// forms. Tenths that round up to a whole second carry into the seconds (and
// on into minutes, hours and days); a time that misses a whole second only by
// the rounding of its computation counts as that second. A non-finite time
// prints as printf prints it, followed by "s".
std::string FormatElapsedTime(double seconds, double stepSeconds, bool twoLines, int digits);

} // namespace kp
