#pragma once
// The manual page kp(1) in roff (the man macros), made from the same help
// that "kp --help" prints.

#include <string>
#include <string_view>

namespace kp {

std::string ManPage();

// A text line for roff: backslashes and the dashes of options escaped, and a
// leading "." or "'" kept from being read as a request.
std::string RoffText(std::string_view text);

} // namespace kp
