#include "FuzzEntries.h"

namespace kp::fuzz {

const std::vector<Entry>& Entries()
{
    static const std::vector<Entry> entries {
        { "header_load", &RunHeaderLoad },
        { "document_open", &RunDocumentOpen },
        { "check_file", &RunCheckFile },
        { "index_read", &RunIndexRead },
        { "convert_text", &RunConvertText },
    };
    return entries;
}

} // namespace kp::fuzz
