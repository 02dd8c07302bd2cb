// A libFuzzer target for one named entry (KP_FUZZ_ENTRY).
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

#include "FuzzEntries.h"

namespace {

kp::fuzz::Entry FindEntry()
{
    for (const auto& e : kp::fuzz::Entries())
        if (std::strcmp(e.name, KP_FUZZ_ENTRY) == 0)
            return e;
    std::abort();
}

} // namespace

// The entries write into memory (/dev/shm): a conversion that runs away must
// hit a write error long before it fills the machine's memory. Past this
// size writes fail (and the entry's own checks report the output's size).
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit { };
    limit.rlim_cur = limit.rlim_max = rlim_t { 256 } << 20;
    setrlimit(RLIMIT_FSIZE, &limit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kp::fuzz::Entry entry = FindEntry();
    entry.run(data, size);
    return 0;
}
