#pragma once
// What the block list window shows: its caption and one row per waveform
// file (block) of the last opened index file, and which file a double click
// on a row opens. Also the window's own keys of section "BlockFile".

#include "app/SettingsKeys.h"
#include "format/SettingsEncoding.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kp {

class CBlockFileList;
class SettingsStore;

inline constexpr int kBlockListColumns = 5;
inline constexpr int kBlockListDefaultWidth = 100;

struct BlockListRows {
    std::string caption;
    std::array<std::string, kBlockListColumns> headers;
    // The first two columns are left-aligned, the others centred.
    static constexpr std::array<bool, kBlockListColumns> centred { false, false, true, true, true };
    std::vector<std::array<std::string, kBlockListColumns>> rows;
};

BlockListRows BuildBlockListRows(const CBlockFileList& blocks);

// The file of the last of the selected rows, when it exists; nothing (the
// caller shows "File not found.") otherwise.
std::optional<std::filesystem::path> BlockToOpen(const CBlockFileList& blocks, const std::vector<int>& selectedRows);

namespace settings {
inline constexpr SettingKey kBlockColumn { kBlockFile, "BlockColumn" };
inline constexpr SettingKey kBlockPlacement { kBlockFile, "Placement" };
} // namespace settings

struct BlockListSettings {
    std::array<int, kBlockListColumns> columnWidths;
    std::optional<WindowPlacement> placement;

    BlockListSettings() { columnWidths.fill(kBlockListDefaultWidth); }
    // Widths are "%d %d %d %d %d"; a value with fewer numbers, or a width
    // below 1, keeps the defaults.
    static BlockListSettings Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
};

} // namespace kp
