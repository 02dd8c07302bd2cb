#include "FuzzEntries.h"

namespace kp::fuzz {

const std::vector<Entry>& Entries()
{
    static const std::vector<Entry> entries{
        {"header_load", &RunHeaderLoad},
    };
    return entries;
}

} // namespace kp::fuzz
