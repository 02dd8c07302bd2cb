#include <gtest/gtest.h>

#include "export/ExportRecordings.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"
#include "synth/IndexWriter.h"
#include "view/BlockListRows.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CheckFile.h"

namespace kp {
namespace {

using test::ScratchFolder;

TEST(BlockListRows, WithNoIndexTheListIsEmptyAndCalledFileList)
{
    const BlockListRows rows = BuildBlockListRows(CBlockFileList {});
    EXPECT_EQ(rows.caption, "File List");
    EXPECT_TRUE(rows.rows.empty());
    EXPECT_EQ(rows.headers, (std::array<std::string, 5> { "No.", "File Name", "Time/DIV", "Trig Date", "Trig Time" }));
}

TEST(BlockListRows, ListsEveryBlockOfTheIndexAndOpensOnlyExistingOnes)
{
    ScratchFolder dir;
    synth::WriteRecordingFile(test::ExportFamily1(200), dir / "WAVE0004.MEM");
    synth::IndexBlueprint blueprint;
    blueprint.entries
        = { { 3, synth::Name83Stored("WAVE0004", "MEM") }, { 6, synth::Name83Stored("MOVED007", "MEM") } };
    synth::WriteIndexFile(dir / "A.IDX", blueprint);
    CBlockFileList blocks;
    RecordingMessages messages;
    ASSERT_EQ(CheckFile(dir / "A.IDX", { .showMessages = true }, blocks, messages), kFileBlockIndex);

    const BlockListRows rows = BuildBlockListRows(blocks);
    EXPECT_EQ(rows.caption, "Block List - A.IDX");
    ASSERT_EQ(rows.rows.size(), 2u);
    EXPECT_EQ(rows.rows[0], (std::array<std::string, 5> { "4", "WAVE0004.MEM", "1s", "24-06-11", "12:34:56" }));
    EXPECT_EQ(rows.rows[1][0], "7");
    EXPECT_EQ(rows.rows[1][1], "MOVED007.MEM");

    EXPECT_EQ(BlockToOpen(blocks, { 1, 0 }), dir / "WAVE0004.MEM");
    EXPECT_EQ(BlockToOpen(blocks, { 0, 1 }), std::nullopt);
    EXPECT_EQ(BlockToOpen(blocks, {}), std::nullopt);
}

TEST(BlockListSettings, WidthsAndPlacementRoundTripAndBadWidthsKeepTheDefaults)
{
    MemorySettingsStore store;
    BlockListSettings s;
    s.columnWidths = { 40, 120, 80, 90, 70 };
    s.placement = WindowPlacement { 0, 1, { -1, -1 }, { -1, -1 }, { 10, 20, 410, 320 } };
    s.Save(store);
    const BlockListSettings back = BlockListSettings::Load(store);
    EXPECT_EQ(back.columnWidths, s.columnWidths);
    EXPECT_EQ(back.placement, s.placement);

    for (const char* bad : { "40 120 80 90", "40 0 80 90 70", "x" }) {
        store.writeText("BlockFile", "BlockColumn", bad);
        EXPECT_EQ(BlockListSettings::Load(store).columnWidths, BlockListSettings().columnWidths) << bad;
    }
}

} // namespace
} // namespace kp
