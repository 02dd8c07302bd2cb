#pragma once
// What "kp --help" and "kp --version" print.

#include <string>

namespace kp {

std::string UsageText();
std::string VersionText();

} // namespace kp
