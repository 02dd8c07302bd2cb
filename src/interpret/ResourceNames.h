#pragma once
// Numbers of the fixed channel names in the string table. Each text holds the
// name twice, separated by a line break (menu text and tooltip).

namespace kp {

// "CH1" ... "CH32": id = kAnalogNameIds + channel (0-31).
inline constexpr int kAnalogNameIds = 14000;
inline constexpr int kAnalogNameCount = 32;
// "LA1" ... "LH3" (unit letter A-H, probe 1-4; "LH4" is absent):
// id = kLogicProbeNameIds + 4 x unit + probe (0-based), below 31 entries.
inline constexpr int kLogicProbeNameIds = 14100;
inline constexpr int kLogicProbeNameCount = 31;
// "LA" ... "LH": id = kLogicUnitNameIds + unit (0-7).
inline constexpr int kLogicUnitNameIds = 14200;
inline constexpr int kLogicUnitNameCount = 8;

} // namespace kp
