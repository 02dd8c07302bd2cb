// Families whose writers are written elsewhere. Each family's file replaces
// its function here; until then such a recording is refused.
#include <stdexcept>

#include "synth/FamilyWriter.h"

namespace kp::synth {

std::vector<std::uint8_t> WriteFamily6(const Recording&) { throw std::invalid_argument("no writer for family 6"); }
std::vector<std::uint8_t> WriteFamily7(const Recording&) { throw std::invalid_argument("no writer for family 7"); }
std::vector<std::uint8_t> WriteFamily8(const Recording&) { throw std::invalid_argument("no writer for family 8"); }
std::vector<std::uint8_t> WriteFamily9(const Recording&) { throw std::invalid_argument("no writer for family 9"); }

} // namespace kp::synth
