#pragma once
// Trimming of printed numbers and of header texts.

#include <string>
#include <string_view>

namespace kp {

// Removes the trailing zeros of a printed fraction, and the decimal separator
// (Locale().decimalSeparator) when nothing is left after it: "1.2500" gives
// "1.25", "3.000" gives "3", "-0.50" gives "-0.5". A text without the
// separator is returned unchanged ("100" stays "100"); the first character is
// never removed.
std::string TrimFractionZeros(std::string_view text);

// Removes white space (blank, tab, CR, LF, VT, FF) at both ends.
std::string TrimBoth(std::string_view text);
// The same, as a view into the text.
std::string_view TrimmedView(std::string_view text);

} // namespace kp
