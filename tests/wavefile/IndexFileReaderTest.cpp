#include <gtest/gtest.h>

#include "IndexTestFiles.h"
#include "resources/StringTable.h"
#include "synth/IndexWriter.h"
#include "wavefile/ByteReader.h"
#include "wavefile/CheckFile.h"
#include "wavefile/IndexFileReader.h"
#include "wavefile/Utf16Text.h"

namespace kp {
namespace {

using kp::testing::Index;
using kp::testing::TempFolder;
using kp::testing::WaveformHeader;
using kp::testing::WriteBytes;
using synth::IndexBlueprint;
using synth::IndexLayout;

class IndexFileReaderTest : public ::testing::Test {
protected:
    // Writes the index and reads it with CheckFile, messages on.
    int Open(const IndexBlueprint& blueprint)
    {
        synth::WriteIndexFile(dir / "A.IDX", blueprint);
        messages.clear();
        return CheckFile(dir / "A.IDX", { .showMessages = true }, blocks, messages);
    }
    std::string NotIndexText() const { return KpFormat(IDS_NOT_WAVEFORM_FILE, (dir / "A.IDX").string()); }

    TempFolder dir;
    CBlockFileList blocks;
    RecordingMessages messages;
};

TEST(IndexName83, DotAfterTheEighthThenNoBlanks)
{
    const std::string stored = synth::Name83Stored("ABC", "MEM");
    ASSERT_EQ(stored, "ABC     MEM ");
    EXPECT_EQ(IndexName83(reinterpret_cast<const std::uint8_t*>(stored.data())), "ABC.MEM");
    EXPECT_EQ(IndexName83(reinterpret_cast<const std::uint8_t*>("WAVE0001MEM ")), "WAVE0001.MEM");
    const std::uint8_t padded[12] = { 'A', 'B', 0, 0, 0, 0, 0, 0, 'R', 'E', 'C', 0 };
    EXPECT_EQ(IndexName83(padded), "AB.REC");
}

TEST(IndexListedName, OnlyPlainNamesInTheFolder)
{
    EXPECT_TRUE(IsPlainListedName("A.MEM"));
    EXPECT_TRUE(IsPlainListedName("A B.MEM"));
    for (const char* bad :
        { "", ".", "..", "../A.MEM", "..\\A.MEM", "sub/A.MEM", "sub\\A.MEM", "/etc/passwd", "A..MEM", "C:\\A.MEM" })
        EXPECT_FALSE(IsPlainListedName(bad)) << bad;
}

TEST_F(IndexFileReaderTest, Layout1ListsExistingAndMissingFiles)
{
    WriteBytes(dir / "ABC.MEM", WaveformHeader({ { 7, "2024-01-31" }, { 8, "12:34:56.789" }, { 11, "500us" } }));
    WriteBytes(dir / "WAVE0002.MEM", WaveformHeader({ { 7, "D2" }, { 8, "T2" }, { 11, "123456789012" } }));
    const int kind = Open(Index("HIS", "4170")
                              .entry83(7, "ABC", "MEM")
                              .entry83(8, "GONE0001", "MEM")
                              .entry83(0xFFFFFFFEu, "WAVE0002", "MEM"));
    ASSERT_EQ(kind, kFileBlockIndex);
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_EQ(blocks.GetBlockFileCount(), 3);
    EXPECT_EQ(blocks.GetIndexFilePath(), dir / "A.IDX");
    EXPECT_EQ(blocks.GetCurrentBlockIndex(), 0);

    EXPECT_EQ(blocks.GetBlockFileNameByIndex(0), dir / "ABC.MEM");
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(0), 7u);
    EXPECT_TRUE(blocks.GetBlockFileExistsByIndex(0));
    EXPECT_TRUE(blocks.IsBlockSelectableByIndex(0));
    EXPECT_EQ(blocks.GetBlockTimeDivByIndex(0), "500us");
    EXPECT_EQ(blocks.GetBlockTrigDateByIndex(0), "2024-01-31");
    EXPECT_EQ(blocks.GetBlockTrigTimeByIndex(0), "12:34:56.789");

    // A missing file keeps its place, path and number, with empty texts.
    EXPECT_EQ(blocks.GetBlockFileNameByIndex(1), dir / "GONE0001.MEM");
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(1), 8u);
    EXPECT_FALSE(blocks.GetBlockFileExistsByIndex(1));
    EXPECT_FALSE(blocks.IsBlockSelectableByIndex(1));
    EXPECT_EQ(blocks.GetBlockTimeDivByIndex(1), "");
    EXPECT_EQ(blocks.GetBlockTrigDateByIndex(1), "");

    // A full 12-character field is taken whole; block numbers are unsigned big-endian.
    EXPECT_EQ(blocks.GetBlockTimeDivByIndex(2), "123456789012");
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(2), 0xFFFFFFFEu);
}

TEST_F(IndexFileReaderTest, TableStartsAtTheRecordFieldOneNames)
{
    WriteBytes(dir / "B1.MEM", WaveformHeader());
    WriteBytes(dir / "DECOY.MEM", WaveformHeader());
    std::vector<std::uint8_t> bytes = synth::MakeIndexFile(
        Index("HIS", "4170").tableRecord(2).entry83(0, "B1", "MEM").entry83(1, "B2", "MEM").entry83(2, "B3", "MEM"));
    ASSERT_EQ(bytes.size(), 1024u + 48u);
    // A decoy table where a reader that ignores field 1 would look.
    const std::string decoy = std::string("\0\0\0\x05", 4) + synth::Name83Stored("DECOY", "MEM");
    for (std::size_t at = 512; at < 1024; at += 16)
        std::copy(decoy.begin(), decoy.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    WriteBytes(dir / "A.IDX", bytes);

    ASSERT_EQ(CheckFile(dir / "A.IDX", { .showMessages = true }, blocks, messages), kFileBlockIndex);
    ASSERT_EQ(blocks.GetBlockFileCount(), 3);
    EXPECT_EQ(blocks.GetBlockFileNameByIndex(0), dir / "B1.MEM");
    EXPECT_EQ(blocks.GetBlockFileNameByIndex(2), dir / "B3.MEM");
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(2), 2u);

    // One more entry than the file holds: refused before anything is read.
    std::copy_n("4", 2, bytes.begin() + 72);
    WriteBytes(dir / "A.IDX", bytes);
    EXPECT_EQ(CheckFile(dir / "A.IDX", { .showMessages = true }, blocks, messages), kFileNotLoadable);
    EXPECT_EQ(messages.shown().back().text, NotIndexText());
}

TEST_F(IndexFileReaderTest, CountsTheFileCannotHoldAreRefused)
{
    for (const char* count : { "0", "-1", "abc", "99999999", "999999999999" }) {
        EXPECT_EQ(Open(Index("HIS", "4170").count(count).entry83(0, "B1", "MEM")), kFileNotLoadable) << count;
        ASSERT_EQ(messages.shown().size(), 1u) << count;
        EXPECT_EQ(messages.shown()[0].text, NotIndexText()) << count;
    }
    // A table record beyond the file, or one that makes the offset overflow.
    for (const char* record : { "9", "-1", "99999999999" }) {
        auto bytes = synth::MakeIndexFile(Index("HIS", "4170").entry83(0, "B1", "MEM"));
        std::fill_n(bytes.begin() + 12, 12, 0);
        std::copy_n(record, std::string(record).size(), bytes.begin() + 12);
        WriteBytes(dir / "A.IDX", bytes);
        EXPECT_EQ(CheckFile(dir / "A.IDX", {}, blocks, messages), kFileNotLoadable) << record;
    }
    EXPECT_EQ(blocks.GetBlockFileCount(), 0);
}

TEST_F(IndexFileReaderTest, NamesThatLeaveTheFolderAreNotFollowed)
{
    const TempFolder outside;
    std::filesystem::create_directories(dir / "sub");
    WriteBytes(dir / "sub" / "IN.MEM", WaveformHeader());
    WriteBytes(dir.path().parent_path() / "ESCAPE.MEM", WaveformHeader());
    WriteBytes(outside / "ABS.MEM", WaveformHeader());
    WriteBytes(dir / "OK.MEM", WaveformHeader({ { 11, "1s" } }));
    const std::string absolute = (outside / "ABS.MEM").string();
    ASSERT_LT(absolute.size(), 127u);

    const int kind = Open(Index("HIS", "5228")
                              .layout(IndexLayout::Block132)
                              .entry(1, "../ESCAPE.MEM")
                              .entry(2, "sub/IN.MEM")
                              .entry(3, "..")
                              .entry(4, absolute)
                              .entry(5, "..\\ESCAPE.MEM")
                              .entry(6, "OK.MEM"));
    std::filesystem::remove(dir.path().parent_path() / "ESCAPE.MEM");
    ASSERT_EQ(kind, kFileBlockIndex);
    ASSERT_EQ(blocks.GetBlockFileCount(), 6);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(blocks.GetBlockFileExistsByIndex(i)) << i;
        EXPECT_FALSE(blocks.IsBlockSelectableByIndex(i)) << i;
        EXPECT_TRUE(blocks.GetBlockFileNameByIndex(i).empty()) << i;
        EXPECT_EQ(blocks.GetBlockTimeDivByIndex(i), "") << i;
    }
    EXPECT_EQ(blocks.GetBlockListedNameByIndex(0), "../ESCAPE.MEM");
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(3), 4u);
    EXPECT_EQ(ChooseFileToOpen(kFileBlockIndex, blocks), dir / "OK.MEM");
    EXPECT_EQ(ChooseFileToOpen(kFileRmsMemIndex, blocks), std::filesystem::path {});
}

TEST_F(IndexFileReaderTest, AllMissingIndexIsAcceptedButOpensNothing)
{
    ASSERT_EQ(Open(Index("HIRM", "4170", "R_M").entry83(0, "A1", "MEM").entry83(1, "A2", "MEM")), kFileRecMemIndex);
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_EQ(blocks.GetBlockFileCount(), 2);
    for (FileKind kind : { kFileRecMemIndex, kFileBlockIndex, kFileRealtimeIndex, kFileRmsMemIndex })
        EXPECT_EQ(ChooseFileToOpen(kind, blocks), std::filesystem::path {}) << kind;
}

TEST_F(IndexFileReaderTest, Layout3ConvertsUtf16Names)
{
    const std::string name = "Wave_\xC3\xA4\xE6\xB3\xA2\xF0\x9F\x8C\x8A.MEM"; // a-umlaut, a CJK sign, an emoji
    WriteBytes(dir / name, WaveformHeader({ { 11, "2min" } }));
    ASSERT_EQ(
        Open(Index("HI", "QX3122").layout(IndexLayout::Utf16).entry(0, "GONE.MEM").entry(0, name)), kFileBlockIndex);
    ASSERT_EQ(blocks.GetBlockFileCount(), 2);
    EXPECT_EQ(blocks.GetBlockFileNameByIndex(1), dir / name);
    EXPECT_TRUE(blocks.GetBlockFileExistsByIndex(1));
    EXPECT_EQ(blocks.GetBlockTimeDivByIndex(1), "2min");
    // The table has no block numbers: an entry is numbered by its position.
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(0), 0u);
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(1), 1u);
}

TEST(Utf16Text, DecodesBothOrdersAndStopsAtNul)
{
    const std::vector<std::uint8_t> be { 0x00, 'A', 0x00, 0xE4, 0x6C, 0xE2, 0xD8, 0x3C, 0xDF, 0x0A, 0x00, 0x00, 0x00,
        'Z' };
    EXPECT_EQ(Utf16ToUtf8(be, ByteOrder::Big, 100, 100), "A\xC3\xA4\xE6\xB3\xA2\xF0\x9F\x8C\x8A");
    std::vector<std::uint8_t> le(be);
    for (std::size_t i = 0; i + 1 < le.size(); i += 2)
        std::swap(le[i], le[i + 1]);
    EXPECT_EQ(Utf16ToUtf8(le, ByteOrder::Little, 100, 100), Utf16ToUtf8(be, ByteOrder::Big, 100, 100));
    EXPECT_EQ(Utf16ToUtf8(be, ByteOrder::Big, 2, 100), "A\xC3\xA4");
    // A surrogate pair cut by the unit limit, and an odd trailing byte.
    EXPECT_EQ(Utf16ToUtf8(be, ByteOrder::Big, 4, 100), "A\xC3\xA4\xE6\xB3\xA2\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::vector<std::uint8_t> { 0x00, 'A', 0x00 }, ByteOrder::Big, 10, 10), "A");
}

TEST(Utf16Text, ByteLimitCutsAtACharacterBoundary)
{
    std::vector<std::uint8_t> units;
    for (int i = 0; i < 119; ++i) {
        units.push_back(0x30); // U+3042: three bytes in UTF-8
        units.push_back(0x42);
    }
    const std::string text = Utf16ToUtf8(units, ByteOrder::Big, 120, kIndexName3MaxBytes);
    EXPECT_EQ(text.size(), 237u);
    EXPECT_EQ(text.substr(234), "\xE3\x81\x82");
    EXPECT_EQ(Utf16ToUtf8(units, ByteOrder::Big, 120, 2), "");
}

} // namespace
} // namespace kp
