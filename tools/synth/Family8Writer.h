#pragma once
// Family 8 (model QX3013) recordings: fixed frames through a channel map of
// 30 entries per "HW-002" record.

#include <string>

namespace kp::synth {

// A family-8 map entry: "1" (used), the kind letter, the width mark ("2" for
// a 32-bit logic unit after "A", else "1"), the unit digit, two channel digits
// (as stored: GPS entries count from 2), three spare digits and the byte
// offset as two digits of 16-bit words. Throws std::invalid_argument for
// numbers that do not fit their digits or an odd offset.
std::string Family8MapEntry(char letter, char width, int unit, int channel, int offsetBytes);

} // namespace kp::synth
