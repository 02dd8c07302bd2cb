#pragma once
// The system's own text for a Windows error code, as strerror gives it for an
// errno value on POSIX: one line, without the trailing line break.

#if defined(_WIN32)

#include <string>

namespace kp {

std::string WindowsErrorText(unsigned long code);

} // namespace kp

#endif
