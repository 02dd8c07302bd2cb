#pragma once
// How a family-6 header marks a channel position as a logic unit with 32-bit
// values (kept in the logic table) rather than an analog channel: the
// position's channel header "HC" holds "LOGIC" as its mode text. The reader
// and the recording writer share this one definition.

#include <string_view>

namespace kp {

inline constexpr int kFamily6ModeField = 16;
inline constexpr std::string_view kFamily6LogicMode = "LOGIC";
inline constexpr int kFamily6FloatSlots = 16;

} // namespace kp
