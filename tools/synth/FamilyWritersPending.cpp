// Families whose writers are written elsewhere. Each family's file replaces
// its function here; until then such a recording is refused.
#include <stdexcept>

#include "synth/FamilyWriter.h"

namespace kp::synth {

std::vector<std::uint8_t> WriteFamily5(const Recording&) { throw std::invalid_argument("no writer for family 5"); }

} // namespace kp::synth
