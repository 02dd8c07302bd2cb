#pragma once
// Unit texts as the instruments store them: single control bytes stand for
// symbols, and escape pairs ("~u" micro, "~E" strain, "~cC" degrees Celsius)
// are rewritten for display.

#include <string>
#include <string_view>

#include "wavefile/HeaderFamily.h"

namespace kp {

// The stored unit text of a header family as the program shows it.
std::string DisplayUnitText(std::string_view stored, HeaderFamily family);

// "%s[%s]": a channel identifier followed by its unit in brackets.
std::string JoinNameAndUnit(std::string_view name, std::string_view unit);

} // namespace kp
