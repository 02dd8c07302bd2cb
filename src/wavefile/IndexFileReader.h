#pragma once
// Readers of the index files that list the waveform files of one sequential
// save, multi-block memory, realtime, REC&MEM or RMS&memory recording. Each
// reader fills a fresh block-file list and swaps it into `out` only when the
// whole table was read; on failure it shows its own message (when asked) and
// leaves `out` as it was.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/UserMessages.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/HeaderRecord.h"

namespace kp {

// Entry sizes of the three table layouts (all numbers big-endian).
inline constexpr std::size_t kIndexEntrySize1 = 16; // block number, 8.3 name without the dot
inline constexpr std::size_t kIndexEntrySize2 = 132; // block number, NUL-terminated name
inline constexpr std::size_t kIndexEntrySize3 = 240; // UTF-16 name of 120 units
inline constexpr std::size_t kIndexTableStart3 = 512;
// Longest local name that the UTF-16 layout yields, in bytes.
inline constexpr std::size_t kIndexName3MaxBytes = 239;

struct IndexReadRequest {
    std::filesystem::path indexPath;
    HeaderRecord head {}; // the index file's first record
    bool showMessages = false;
};

// Layout 1 (most models): 16-byte entries from record number field 1.
bool ReadIndexFile1(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages);
// Layout 2 ("5228", "QX5191", "QX5210", "QX3951"): 132-byte entries from record number field 1.
bool ReadIndexFile2(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages);
// Layout 3 ("QX3122", "QX3122-01", "QX5191T"): 240-byte UTF-16 names from byte 512. The table
// carries no block numbers: an entry's block number is its position in the table.
bool ReadIndexFile3(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages);

// Index files of the chunked family ("5595", "3945", "5595-50", "3945-50") list their files in
// file-reference chunks named by the "HM" table of contents (wavefile/Family5IndexReader.cpp).
// An index that lists no file is refused with string 4003.
bool ReadChunkedIndexFile(const IndexReadRequest& request, CBlockFileList& out, UserMessages& messages);
// Where a chunked-family index's listed name leads: the name's folders ("\" or "/", a leading
// "." dropped) below the index file's folder. Nothing for a name that is empty, rooted, or
// holds "..", a drive or a stream name: such a name is listed but not followed.
std::optional<std::filesystem::path> ResolveChunkedListedName(
    const std::filesystem::path& folder, const std::string& name);

// Reader 1's name rule: the 12 characters after the block number with a "."
// after the 8th and every blank (space or NUL padding) removed.
std::string IndexName83(const std::uint8_t* twelveChars);

// True when a listed name stays inside the index file's folder: not empty, not
// "." or "..", no "..", no path separator, no drive or root of its own.
bool IsPlainListedName(const std::string& name);

} // namespace kp
