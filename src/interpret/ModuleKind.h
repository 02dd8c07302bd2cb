#pragma once
// The module name table that the input module kinds index.

#include <string_view>

#include "wavefile/ModuleKind.h"

namespace kp {

// The kind of the first entry equal to the text without regard to case, or
// ModuleKind::Unknown.
ModuleKind ModuleTableIndex(std::string_view module);

} // namespace kp
