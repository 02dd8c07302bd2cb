#pragma once
// The waveform files (blocks) that the last opened index file lists, with the
// texts the block list window shows for each. Owned by the application for the
// whole run; an index reader fills a fresh list and the caller swaps it in, so
// a failed read never leaves a half-filled list behind.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kp {

struct BlockFileEntry {
    // The listed file in the index file's folder. Empty when the listed name
    // was refused (it would leave that folder).
    std::filesystem::path path;
    // The name as the index lists it, without a folder (for display).
    std::string listedName;
    bool exists = false;
    // Block index files open the first selectable entry; a list filled from
    // an index marks exactly the existing entries selectable.
    bool selectable = false;
    std::uint32_t blockNumber = 0;
    std::string timeDiv; // block file field 11
    std::string trigDate; // block file field 7
    std::string trigTime; // block file field 8
};

class CBlockFileList {
public:
    void Clear();

    // The index file the entries came from (empty when none was read).
    const std::filesystem::path& GetIndexFilePath() const { return indexFile_; }
    void SetIndexFilePath(const std::filesystem::path& path) { indexFile_ = path; }

    int GetBlockFileCount() const { return static_cast<int>(entries_.size()); }
    // Resizes the list; new entries are empty. The current entry is kept when
    // it is still inside the list, else reset to 0.
    void SetBlockFileCount(int count);

    // Per-entry reads; a bad index writes a debug line and yields an empty value.
    std::filesystem::path GetBlockFileNameByIndex(int index) const;
    std::string GetBlockListedNameByIndex(int index) const;
    std::uint32_t GetBlockFileBlockNumByIndex(int index) const;
    std::string GetBlockTimeDivByIndex(int index) const;
    std::string GetBlockTrigDateByIndex(int index) const;
    std::string GetBlockTrigTimeByIndex(int index) const;
    bool GetBlockFileExistsByIndex(int index) const;
    bool IsBlockSelectableByIndex(int index) const;

    // Per-entry writes; false (and nothing changed) for a bad index.
    bool SetBlockFileInfoByIndex(int index, const BlockFileEntry& entry);
    bool SetBlockSelectableByIndex(int index, bool selectable);

    // The entry that REC&MEM and realtime index files open; 0 after a read.
    int GetCurrentBlockIndex() const { return current_; }
    bool SetCurrentBlockIndex(int index);

private:
    const BlockFileEntry* Entry(int index, const char* accessor) const;

    std::filesystem::path indexFile_;
    std::vector<BlockFileEntry> entries_;
    int current_ = 0;
};

} // namespace kp
