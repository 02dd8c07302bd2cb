#include <gtest/gtest.h>

#include "wavefile/BlockFileList.h"
#include "wavefile/CheckFile.h"

namespace kp {
namespace {

CBlockFileList ThreeExisting()
{
    CBlockFileList list;
    list.SetBlockFileCount(3);
    for (int i = 0; i < 3; ++i) {
        BlockFileEntry e;
        e.path = "/data/B" + std::to_string(i) + ".MEM";
        e.listedName = "B" + std::to_string(i) + ".MEM";
        e.exists = e.selectable = true;
        e.blockNumber = static_cast<std::uint32_t>(10 + i);
        e.timeDiv = "1ms";
        EXPECT_TRUE(list.SetBlockFileInfoByIndex(i, e));
    }
    return list;
}

TEST(BlockFileList, BadIndicesGiveEmptyValues)
{
    CBlockFileList list = ThreeExisting();
    for (int bad : { -1, 3, 1000 }) {
        EXPECT_TRUE(list.GetBlockFileNameByIndex(bad).empty());
        EXPECT_EQ(list.GetBlockListedNameByIndex(bad), "");
        EXPECT_EQ(list.GetBlockFileBlockNumByIndex(bad), 0u);
        EXPECT_EQ(list.GetBlockTimeDivByIndex(bad), "");
        EXPECT_EQ(list.GetBlockTrigDateByIndex(bad), "");
        EXPECT_EQ(list.GetBlockTrigTimeByIndex(bad), "");
        EXPECT_FALSE(list.GetBlockFileExistsByIndex(bad));
        EXPECT_FALSE(list.IsBlockSelectableByIndex(bad));
        EXPECT_FALSE(list.SetBlockFileInfoByIndex(bad, BlockFileEntry {}));
        EXPECT_FALSE(list.SetBlockSelectableByIndex(bad, true));
        EXPECT_FALSE(list.SetCurrentBlockIndex(bad));
    }
    EXPECT_EQ(list.GetBlockFileCount(), 3);
    EXPECT_EQ(list.GetBlockFileBlockNumByIndex(2), 12u);
    EXPECT_EQ(list.GetCurrentBlockIndex(), 0);
}

TEST(BlockFileList, ShrinkingResetsACurrentEntryOutsideTheList)
{
    CBlockFileList list = ThreeExisting();
    ASSERT_TRUE(list.SetCurrentBlockIndex(2));
    list.SetBlockFileCount(2);
    EXPECT_EQ(list.GetCurrentBlockIndex(), 0);
    list.SetBlockFileCount(-4);
    EXPECT_EQ(list.GetBlockFileCount(), 0);
}

TEST(ChooseFileToOpen, EachIndexKindPicksItsEntry)
{
    CBlockFileList list = ThreeExisting();
    ASSERT_TRUE(list.SetCurrentBlockIndex(2));
    ASSERT_TRUE(list.SetBlockSelectableByIndex(0, false));

    EXPECT_EQ(ChooseFileToOpen(kFileRecMemIndex, list), "/data/B2.MEM");
    EXPECT_EQ(ChooseFileToOpen(kFileRealtimeIndex, list), "/data/B2.MEM");
    EXPECT_EQ(ChooseFileToOpen(kFileBlockIndex, list), "/data/B1.MEM");
    EXPECT_EQ(ChooseFileToOpen(kFileRmsMemIndex, list), "/data/B0.MEM");
    for (int kind : { 0, 1, 6, 7, -1 })
        EXPECT_TRUE(ChooseFileToOpen(static_cast<FileKind>(kind), list).empty()) << kind;

    // Nothing selectable, or the chosen entry gone: nothing to open.
    ASSERT_TRUE(list.SetBlockSelectableByIndex(1, false));
    ASSERT_TRUE(list.SetBlockSelectableByIndex(2, false));
    EXPECT_TRUE(ChooseFileToOpen(kFileBlockIndex, list).empty());
    BlockFileEntry gone;
    gone.path = "/data/B2.MEM";
    ASSERT_TRUE(list.SetBlockFileInfoByIndex(2, gone));
    EXPECT_TRUE(ChooseFileToOpen(kFileRecMemIndex, list).empty());
    EXPECT_TRUE(ChooseFileToOpen(kFileRmsMemIndex, CBlockFileList {}).empty());
}

} // namespace
} // namespace kp
