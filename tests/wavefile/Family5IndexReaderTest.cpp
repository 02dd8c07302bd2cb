// The chunked family's index files, read through CheckFile: the listed names,
// where they lead, and the revision check that applies to waveform files only.
#include <gtest/gtest.h>

#include "Family5TestFiles.h"
#include "IndexTestFiles.h"
#include "resources/StringTable.h"
#include "wavefile/CheckFile.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/IndexFileReader.h"

namespace kp {
namespace {

using kp::testing::TempFolder;
using kp::testing::WaveformHeader;
using kp::testing::WriteBytes;

class Family5Index : public ::testing::Test {
protected:
    int Check(const std::filesystem::path& path)
    {
        messages.clear();
        return CheckFile(path, { .showMessages = true }, blocks, messages);
    }
    int CheckIndex(const synth::ChunkedFileBlueprint& blueprint, const std::filesystem::path& path)
    {
        WriteBytes(path, synth::WriteChunkedFile(blueprint).bytes);
        return Check(path);
    }

    TempFolder dir;
    CBlockFileList blocks;
    RecordingMessages messages;
};

TEST_F(Family5Index, ListsEveryNamedFileInTableOrder)
{
    std::filesystem::create_directories(dir / "IDX" / "SUB");
    WriteBytes(dir / "IDX" / "WAVE0001.MEM", WaveformHeader({ { 7, "24-05-01" }, { 8, "10:11:12" }, { 11, "5ms" } }));
    WriteBytes(dir / "IDX" / "Überspannung.MEM", WaveformHeader());
    WriteBytes(dir / "IDX" / "SUB" / "W2.MEM", WaveformHeader());
    WriteBytes(dir / "IDX" / "W3.MEM", WaveformHeader());
    WriteBytes(dir / "OUT.MEM", WaveformHeader());

    const std::vector<std::string> names { "WAVE0001.MEM", "Überspannung.MEM", "SUB\\W2.MEM", ".\\W3.MEM",
        "MISSING.MEM", "NOSUB\\W5.MEM", "..\\OUT.MEM", "C:\\DATA\\W4.MEM", "\\W3.MEM", ".", "SUB\\..\\W3.MEM" };
    const auto folder = dir / "IDX";
    ASSERT_EQ(CheckIndex(synth::ChunkedIndexBlueprint("3945-50", names), folder / "A.IDX"), kFileBlockIndex);
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_EQ(blocks.GetBlockFileCount(), static_cast<int>(names.size()));

    struct Want {
        std::filesystem::path path;
        bool exists;
    };
    const std::vector<Want> want {
        { folder / "WAVE0001.MEM", true },
        { folder / "Überspannung.MEM", true },
        { folder / "SUB" / "W2.MEM", true },
        { folder / "W3.MEM", true },
        { folder / "MISSING.MEM", false },
        { folder / "NOSUB" / "W5.MEM", false },
        { {}, false },
        { {}, false },
        { {}, false },
        { {}, false },
        { {}, false },
    };
    for (int i = 0; i < blocks.GetBlockFileCount(); ++i) {
        SCOPED_TRACE(names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(blocks.GetBlockListedNameByIndex(i), names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(blocks.GetBlockFileNameByIndex(i), want[static_cast<std::size_t>(i)].path);
        EXPECT_EQ(blocks.GetBlockFileExistsByIndex(i), want[static_cast<std::size_t>(i)].exists);
        EXPECT_EQ(blocks.IsBlockSelectableByIndex(i), want[static_cast<std::size_t>(i)].exists);
        EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(i), static_cast<std::uint32_t>(i));
    }
    EXPECT_EQ(blocks.GetBlockTimeDivByIndex(0), "5ms");
    EXPECT_EQ(blocks.GetBlockTrigDateByIndex(0), "24-05-01");
    EXPECT_EQ(blocks.GetBlockTrigTimeByIndex(0), "10:11:12");
    EXPECT_EQ(blocks.GetBlockTimeDivByIndex(4), "");
    EXPECT_EQ(ChooseFileToOpen(kFileBlockIndex, blocks), folder / "WAVE0001.MEM");
}

TEST_F(Family5Index, AnIndexThatNamesNoFileIsRefused)
{
    const auto path = dir / "A.IDX";
    EXPECT_EQ(CheckIndex(synth::ChunkedIndexBlueprint("5595", {}), path), kFileNotLoadable);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, KpFormat(IDS_NOT_WAVEFORM_FILE, path.string()));

    // The list of an earlier index stays as it was.
    ASSERT_EQ(CheckIndex(synth::ChunkedIndexBlueprint("5595", { "A.MEM" }), path), kFileBlockIndex);
    EXPECT_EQ(CheckIndex(synth::ChunkedIndexBlueprint("5595", {}), path), kFileNotLoadable);
    EXPECT_EQ(blocks.GetBlockFileCount(), 1);
}

TEST_F(Family5Index, TheTableEndsAtAnEmptyTagAndPassesOverBrokenEntries)
{
    auto blueprint = synth::ChunkedIndexBlueprint("5595", { "A.MEM", "B.MEM", "C.MEM" });
    blueprint.emptyTocEntryAt = 2;
    ASSERT_EQ(CheckIndex(blueprint, dir / "A.IDX"), kFileBlockIndex);
    EXPECT_EQ(blocks.GetBlockFileCount(), 2);

    blueprint.emptyTocEntryAt = -1;
    blueprint.leadingToc.push_back({ "LFEERFDT", "0FFFFFFF" }); // outside the file
    auto file = synth::WriteChunkedFile(blueprint);
    // A name length past the chunk reads the name up to the chunk's end.
    const std::size_t entry = file.fileOffsets[0] + chunk::kHeaderSize + chunk::kSubHeaderSize;
    file.bytes[entry + chunk::kFileEntryNameLength] = 0xFF;
    file.bytes[entry + chunk::kFileEntryNameLength + 1] = 0xFF;
    // A chunk too small for its own header names nothing.
    file.bytes[file.fileOffsets[1] + chunk::kSize] = 8;
    file.bytes[file.fileOffsets[1] + chunk::kSize + 1] = 0;
    WriteBytes(dir / "B.IDX", file.bytes);
    ASSERT_EQ(Check(dir / "B.IDX"), kFileBlockIndex);
    ASSERT_EQ(blocks.GetBlockFileCount(), 2);
    EXPECT_EQ(blocks.GetBlockListedNameByIndex(0), "A.MEM");
    EXPECT_EQ(blocks.GetBlockListedNameByIndex(1), "C.MEM");
}

TEST_F(Family5Index, TheRevisionCheckRefusesOnlyWaveformFiles)
{
    synth::Recording r;
    r.model = "5595";
    r.version = "55950001";
    r.dataLength = 4;
    r.analog.push_back({ 0, {}, {}, { 1, 2, 3, 4 }, {} });
    WriteBytes(dir / "OLD.MEM", synth::WriteFamily5(r, {}));
    EXPECT_EQ(Check(dir / "OLD.MEM"), kFileNotLoadable);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, KpString(IDS_OLD_REVISION));

    r.version = "55950103";
    WriteBytes(dir / "NEW.MEM", synth::WriteFamily5(r, {}));
    EXPECT_EQ(Check(dir / "NEW.MEM"), kFileWaveform);

    auto index = synth::ChunkedIndexBlueprint("5595", { "OLD.MEM" });
    index.main.fields[9] = "55950001";
    EXPECT_EQ(CheckIndex(index, dir / "A.IDX"), kFileBlockIndex);
}

TEST(Family5IndexNames, ResolveBelowTheIndexFolderOnly)
{
    const std::filesystem::path folder = "idx";
    EXPECT_EQ(ResolveChunkedListedName(folder, "A.MEM"), folder / "A.MEM");
    EXPECT_EQ(ResolveChunkedListedName(folder, "./A.MEM"), folder / "A.MEM");
    EXPECT_EQ(ResolveChunkedListedName(folder, "S\\T/A.MEM"), folder / "S" / "T" / "A.MEM");
    for (const char* name :
        { "", ".", ".\\", "..", "S\\..\\..\\A", "/A.MEM", "\\\\host\\share\\A", "D:A.MEM", "A.MEM:stream" })
        EXPECT_FALSE(ResolveChunkedListedName(folder, name).has_value()) << name;
}

} // namespace
} // namespace kp
