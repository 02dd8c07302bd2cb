#pragma once
// Family 9 (models QX3122, QX3122-01, QX5191T) recordings: fixed frames
// through a channel map of 40 entries per "HW01" record.

#include <string>

namespace kp::synth {

// A family-9 map entry: the kind letter, the unit and the channel (two digits
// each, from 1), a spare "0", "2" for a 32-bit logic unit (else "1"), a spare
// "0" and the byte offset as three digits. Throws std::invalid_argument for
// numbers that do not fit their digits.
std::string Family9MapEntry(char letter, int unit, int channel, bool logicWord, int offsetBytes);

} // namespace kp::synth
