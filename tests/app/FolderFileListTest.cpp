#include <gtest/gtest.h>

#include "app/FolderFileList.h"
#include "support/ScratchFolder.h"

#include <vector>

namespace kp {
namespace {

using test::ScratchFolder;

struct Opener {
    std::vector<std::filesystem::path> opened;
    std::function<bool(const std::filesystem::path&)> fn()
    {
        return [this](const std::filesystem::path& p) {
            opened.push_back(p);
            return true;
        };
    }
};

TEST(FolderFileList, ListsWaveformExtensionsInAnyCaseOrderedByNameIgnoringCase)
{
#if defined(_WIN32)
    GTEST_SKIP() << "the names differ only in case, which a Windows file system keeps as one file";
#endif
    ScratchFolder dir;
    for (const char* name :
        { "b.rec", "A.MEM", "B.txt", "c.Pow", "a.mem", "D.XYC", "e.wav", "F.RMS", "G.R_M", "NOEXT", "H.MEM.bak" })
        dir.touch(name);
    std::filesystem::create_directory(dir / "Z.MEM");
    FolderFileList list;
    ASSERT_TRUE(list.ScanFolder(dir.path()));
    EXPECT_EQ(
        list.GetNames(), (std::vector<std::string> { "A.MEM", "a.mem", "b.rec", "c.Pow", "D.XYC", "e.wav", "F.RMS" }));
    EXPECT_EQ(list.GetFolder(), dir.path());
    EXPECT_EQ(list.FindFileIndex("a.mem"), 1);
    EXPECT_EQ(list.FindFileIndex("A.mem"), -1);
}

TEST(FolderFileList, AMissingFolderLeavesTheListAsItWas)
{
    ScratchFolder dir;
    dir.touch("A.MEM");
    FolderFileList list;
    ASSERT_TRUE(list.ScanFolder(dir.path()));
    EXPECT_FALSE(list.ScanFolder(dir / "gone"));
    EXPECT_EQ(list.GetFileCount(), 1);
    EXPECT_EQ(list.GetFolder(), dir.path());
}

TEST(FolderFileList, StepsClipToTheEndsAndSkipTheCurrentFile)
{
    ScratchFolder dir;
    const auto a = dir.touch("A.MEM");
    dir.touch("B.txt");
    const auto c = dir.touch("C.rec");
    const auto d = dir.touch("D.MEM");
    FolderFileList list;
    list.NoteOpened(a, true);
    EXPECT_EQ(list.CounterText(), "1/3");
    EXPECT_FALSE(list.CanStepBack());
    EXPECT_TRUE(list.CanStepForward());
    Opener o;
    EXPECT_FALSE(list.StepFile(-1, o.fn()));
    EXPECT_TRUE(list.StepFile(+1, o.fn()));
    EXPECT_EQ(list.GetCurrentIndex(), 1);
    EXPECT_TRUE(list.StepFile(1000, o.fn())); // "End"
    EXPECT_FALSE(list.StepFile(+1, o.fn()));
    EXPECT_FALSE(list.CanStepForward());
    EXPECT_TRUE(list.StepFile(-1000, o.fn())); // "Begin"
    EXPECT_EQ(o.opened, (std::vector<std::filesystem::path> { c, d, a }));
    EXPECT_EQ(list.CounterText(), "1/3");
}

TEST(FolderFileList, AVanishedFileIsNotOpenedAndTheIndexStays)
{
    ScratchFolder dir;
    const auto a = dir.touch("A.MEM");
    const auto b = dir.touch("B.MEM");
    FolderFileList list;
    list.NoteOpened(a, true);
    std::filesystem::remove(b);
    Opener o;
    EXPECT_FALSE(list.StepFile(+1, o.fn()));
    EXPECT_TRUE(o.opened.empty());
    EXPECT_EQ(list.GetCurrentIndex(), 0);
}

TEST(FolderFileList, TheSameFolderKeepsItsListAnotherFolderOrCaseRescans)
{
#if defined(_WIN32)
    GTEST_SKIP() << "the names differ only in case, which a Windows file system keeps as one file";
#endif
    ScratchFolder dir;
    const auto a = dir.touch("one/A.MEM");
    const auto b = dir.touch("one/B.MEM");
    const auto other = dir.touch("ONE/X.MEM");
    FolderFileList list;
    list.NoteOpened(a, true);
    // A file added later is not seen until another folder was scanned.
    dir.touch("one/C.MEM");
    list.NoteOpened(b, true);
    EXPECT_EQ(list.CounterText(), "2/2");
    // A failed open keeps the index where it was.
    list.NoteOpened(a, false);
    EXPECT_EQ(list.GetCurrentIndex(), 1);
    list.NoteOpened(other, true);
    EXPECT_EQ(list.GetNames(), std::vector<std::string> { "X.MEM" });
    list.NoteOpened(b, true);
    EXPECT_EQ(list.CounterText(), "2/3");
}

TEST(FolderFileList, AFileOfAVanishedFolderLeavesNothingToStepThrough)
{
    ScratchFolder dir;
    const auto a = dir.touch("one/A.MEM");
    dir.touch("one/B.MEM");
    FolderFileList list;
    list.NoteOpened(a, true);
    list.NoteOpened(dir / "gone" / "X.MEM", false);
    EXPECT_EQ(list.CounterText(), "---");
    Opener o;
    EXPECT_FALSE(list.StepFile(+1, o.fn()));
}

} // namespace
} // namespace kp
