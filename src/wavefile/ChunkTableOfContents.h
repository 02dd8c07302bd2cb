#pragma once
// The table of contents of a chunked-family file: its "HM" header records
// list chunk tags with their file offsets.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "wavefile/HeaderRecord.h"

namespace kp {

struct ChunkTocEntry {
    std::string tag; // 8 characters as stored
    // The chunk's file offset; empty when the entry's text is not a
    // hexadecimal number.
    std::optional<std::uint64_t> offset;
};

// The entries of the "HM" records in file order, up to the first entry whose
// tag begins with NUL: that entry ends the whole table, later records
// included.
std::vector<ChunkTocEntry> ReadChunkToc(const std::vector<const HeaderRecord*>& tocRecords);

} // namespace kp
