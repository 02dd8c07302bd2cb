#pragma once
// The module name table that the input module kinds index.

#include <string_view>

namespace kp {

inline constexpr int kUnknownModuleKind = 128;

// Index of the first entry equal to the text without regard to case, or
// kUnknownModuleKind.
int ModuleTableIndex(std::string_view module);

} // namespace kp
