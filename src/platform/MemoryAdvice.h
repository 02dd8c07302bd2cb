#pragma once
// Hints to the system about large buffers. They change no value and may do
// nothing on a platform without such hints.

#include <cstddef>

namespace kp {

// Asks for large pages behind a buffer about to be filled front to back:
// far fewer page faults when hundreds of megabytes of samples are loaded.
// Call it before the buffer's pages are first touched.
void AdviseLargePages(void* data, std::size_t bytes);

} // namespace kp
