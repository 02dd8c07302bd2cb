#pragma once
// What the fuzz entries demand of the code they run, beyond not crashing:
// a broken promise throws, which the fuzzer reports as a crash and the
// replay test as a failure, with the promise's text.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kp {
struct ChannelTables;
}

namespace kp::fuzz {

class BrokenPromise : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline void Require(bool holds, const std::string& promise)
{
    if (!holds)
        throw BrokenPromise("kp fuzz: " + promise);
}

// Bytes the channel tables hold (every primary and secondary array).
std::uint64_t HeldTableBytes(const ChannelTables& tables);
// True when no slot is saved and every array is empty.
bool TablesEmpty(const ChannelTables& tables);

// The largest sample-table allocation seen relative to the size of the file
// it was made for, over the whole process; printed at exit when the
// environment variable KP_FUZZ_STATS is set (a corpus run with -runs=0).
void NoteTableAllocation(std::uint64_t tableBytes, std::uint64_t fileBytes);

} // namespace kp::fuzz
