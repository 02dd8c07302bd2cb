#pragma once
// Lengths of records ("1min31.5s").

#include <string>

namespace kp {

// The length of count points taken interval seconds apart, (count - 1) x
// interval: below a minute the seconds with up to six decimals ("1s",
// "0.25s"); from a minute on "%dd", "%dh", "%dmin" for the parts above zero
// followed by the seconds left over when there are any ("1h", "1min31.5s").
// Times are rounded to the microsecond first, so 119.9999996 s reads "2min",
// never "1min60s". showCount appends "(count)". A count below 1 counts as a
// length of 0; a length that is not finite prints as printf prints it,
// followed by "s".
std::string FormatDuration(double intervalSeconds, int count, bool showCount);

} // namespace kp
