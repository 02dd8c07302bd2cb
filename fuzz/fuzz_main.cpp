// A libFuzzer target for one named entry (KP_FUZZ_ENTRY).
#include <cstdlib>
#include <cstring>

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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const kp::fuzz::Entry entry = FindEntry();
    entry.run(data, size);
    return 0;
}
