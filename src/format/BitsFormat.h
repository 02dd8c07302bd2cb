#pragma once
// Logic words as rows of "0"/"1" characters.

#include <cstdint>
#include <string>

namespace kp {

// width characters, most significant first: character i (from width down to
// 1) is "1" when bit i-1 of value is set. Bits above 63 read as 0; a width of
// 0 or less gives an empty text.
std::string FormatBits(std::uint64_t value, int width);

} // namespace kp
