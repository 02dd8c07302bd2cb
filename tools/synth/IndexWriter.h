#pragma once
// Writes index files in the three table layouts, for tests and demos.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kp::synth {

enum class IndexLayout {
    Block16, // 16-byte entries: block number, 8.3 name without the dot, blank-padded
    Block132, // 132-byte entries: block number, NUL-terminated name
    Utf16, // 240-byte entries: big-endian UTF-16 name, from byte 512
};

struct IndexEntryBlueprint {
    std::uint32_t blockNumber = 0; // not written in the UTF-16 layout
    // Block16: the name as it is stored, up to 12 characters without the dot
    // (a shorter text is padded with blanks; "WAVE0001MEM" is WAVE0001.MEM).
    // Block132: up to 127 bytes. Utf16: UTF-8 text of up to 119 UTF-16 units.
    std::string name;
};

struct IndexBlueprint {
    IndexLayout layout = IndexLayout::Block16;
    std::string tag = "HIS";
    std::string model = "4170";
    std::string function = "MEM";
    std::string subModel; // field 15
    // Field 6; empty: the number of entries.
    std::string countText;
    // Record number of the table start (field 1) for Block16 and Block132; the
    // UTF-16 table always starts at byte 512.
    int tableRecord = 1;
    std::map<int, std::string> fields; // further first-record fields
    std::vector<IndexEntryBlueprint> entries;
};

// The file image. Throws std::invalid_argument for names that do not fit
// their layout or a table record inside the first record.
std::vector<std::uint8_t> MakeIndexFile(const IndexBlueprint& blueprint);

// Stores a layout-1 name: 8 characters, then the extension, blank-padded to 12.
std::string Name83Stored(const std::string& base, const std::string& extension);

// Writes MakeIndexFile(blueprint) to path; throws std::runtime_error when it cannot.
void WriteIndexFile(const std::filesystem::path& path, const IndexBlueprint& blueprint);

} // namespace kp::synth
