#include "view/BlockListRows.h"

#include "platform/SettingsStore.h"
#include "resources/StringTable.h"
#include "wavefile/BlockFileList.h"

#include <system_error>

namespace kp {

BlockListRows BuildBlockListRows(const CBlockFileList& blocks)
{
    BlockListRows table;
    for (int c = 0; c < kBlockListColumns; ++c)
        table.headers[static_cast<std::size_t>(c)] = KpString(11000 + c);
    const int count = blocks.GetBlockFileCount();
    table.caption = blocks.GetIndexFilePath().empty() || count == 0
        ? std::string("File List")
        : KpFormat(9002, blocks.GetIndexFilePath().filename().string());
    for (int i = 0; i < count; ++i) {
        table.rows.push_back({ std::to_string(static_cast<std::uint64_t>(blocks.GetBlockFileBlockNumByIndex(i)) + 1),
            blocks.GetBlockListedNameByIndex(i), blocks.GetBlockTimeDivByIndex(i), blocks.GetBlockTrigDateByIndex(i),
            blocks.GetBlockTrigTimeByIndex(i) });
    }
    return table;
}

std::optional<std::filesystem::path> BlockToOpen(const CBlockFileList& blocks, const std::vector<int>& selectedRows)
{
    if (selectedRows.empty())
        return std::nullopt;
    const int row = selectedRows.back();
    if (row < 0 || row >= blocks.GetBlockFileCount())
        return std::nullopt;
    const std::filesystem::path path = blocks.GetBlockFileNameByIndex(row);
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    return path;
}

BlockListSettings BlockListSettings::Load(const SettingsStore& store)
{
    BlockListSettings s;
    const std::string widths = ReadText(store, settings::kBlockColumn, "");
    std::array<int, kBlockListColumns> read {};
    if (ScanIntegers(widths, read.data(), kBlockListColumns) == kBlockListColumns) {
        bool valid = true;
        for (int w : read)
            valid = valid && w > 0;
        if (valid)
            s.columnWidths = read;
    }
    s.placement = DecodePlacement(ReadText(store, settings::kBlockPlacement, ""));
    return s;
}

void BlockListSettings::Save(SettingsStore& store) const
{
    std::string widths;
    for (int w : columnWidths)
        widths += (widths.empty() ? "" : " ") + std::to_string(w);
    WriteText(store, settings::kBlockColumn, widths);
    if (placement)
        WritePlacement(store, settings::kBlockPlacement, *placement);
}

} // namespace kp
