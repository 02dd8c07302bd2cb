#include <gtest/gtest.h>

#include "IndexTestFiles.h"
#include "resources/StringTable.h"
#include "synth/IndexWriter.h"
#include "wavefile/CheckFile.h"

namespace kp {
namespace {

using kp::testing::Index;
using kp::testing::TempFolder;
using kp::testing::WaveformHeader;
using kp::testing::WriteBytes;

struct Outcome {
    FileKind kind;
    std::vector<std::string> shown;
};

class CheckFileTest : public ::testing::Test {
protected:
    // Runs CheckFile twice, silent and with messages, and insists that the two
    // agree on the result and that only the second one said anything.
    Outcome Check(const std::filesystem::path& path, bool allowRealtime = false)
    {
        RecordingMessages silent;
        CBlockFileList silentList;
        const FileKind quietKind = CheckFile(path, { .allowRealtime = allowRealtime }, silentList, silent);
        EXPECT_TRUE(silent.shown().empty());

        RecordingMessages loud;
        const FileKind kind = CheckFile(path, { .showMessages = true, .allowRealtime = allowRealtime }, blocks, loud);
        EXPECT_EQ(kind, quietKind) << "the result must not depend on the message switch";
        EXPECT_LE(loud.shown().size(), 1u);
        Outcome o { kind, {} };
        for (const auto& s : loud.shown())
            o.shown.push_back(s.text);
        return o;
    }

    Outcome CheckHeader(std::map<int, std::string> fields, bool allowRealtime = false)
    {
        const auto path = dir / "A.MEM";
        WriteBytes(path, WaveformHeader(std::move(fields)));
        return Check(path, allowRealtime);
    }

    Outcome CheckIndex(synth::IndexBlueprint blueprint)
    {
        const auto path = dir / "A.IDX";
        synth::WriteIndexFile(path, blueprint);
        return Check(path);
    }

    TempFolder dir;
    CBlockFileList blocks;
};

std::vector<std::string> Says(int id, const std::string& arg)
{
    return { KpFormat(id, arg) };
}
std::vector<std::string> Says(int id)
{
    return { std::string(KpString(id)) };
}

TEST_F(CheckFileTest, AcceptsAListedModelAndReportsIt)
{
    const auto path = dir / "A.MEM";
    WriteBytes(path, WaveformHeader({ { 2, "QX4767" }, { 4, "HISPEED" } }));
    RecordingMessages messages;
    std::string model = "stale";
    EXPECT_EQ(CheckFile(path, { .showMessages = true, .modelOut = &model }, blocks, messages), kFileWaveform);
    EXPECT_EQ(model, "QX4767");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CheckFileTest, ModelsAreComparedWhole)
{
    EXPECT_EQ(CheckHeader({ { 2, "5228" } }).kind, kFileWaveform);
    const Outcome longer = CheckHeader({ { 2, "5228-01" } });
    EXPECT_EQ(longer.kind, kFileNotLoadable);
    EXPECT_EQ(longer.shown, Says(IDS_UNSUPPORTED_MODEL, "5228-01"));
    EXPECT_EQ(CheckHeader({ { 2, "417" } }).shown, Says(IDS_UNSUPPORTED_MODEL, "417"));
}

TEST_F(CheckFileTest, Model3951NeedsItsSubModel)
{
    EXPECT_EQ(CheckHeader({ { 2, "3951" }, { 15, "QX3951" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 2, "3951" }, { 15, "QX3951" }, { 4, "XYC" } }).kind, kFileWaveform);

    const Outcome other = CheckHeader({ { 2, "3951" }, { 15, "QX5210" } });
    EXPECT_EQ(other.kind, kFileNotLoadable);
    EXPECT_EQ(other.shown, Says(IDS_UNSUPPORTED_MODEL, "3951"));
    // The sub-model only counts for "3951" and "5228".
    EXPECT_EQ(CheckHeader({ { 2, "4170" }, { 15, "garbage" } }).kind, kFileWaveform);
}

TEST_F(CheckFileTest, LoggerFilesGoToTheCompanionSilently)
{
    const Outcome logger = CheckHeader({ { 2, "7712" }, { 4, "anything" }, { 6, "0" } });
    EXPECT_EQ(logger.kind, kFileLoggerWaveform);
    EXPECT_TRUE(logger.shown.empty());
    EXPECT_EQ(CheckHeader({ { 2, "7" } }).kind, kFileNotLoadable);
}

TEST_F(CheckFileTest, FunctionsDependOnTheModel)
{
    for (const char* f : { "MEM", "MEM_RMS", "POW", "REC", "HISPEED", "REALTIME", "RMS_REC", "RMS" })
        EXPECT_EQ(CheckHeader({ { 2, "4170" }, { 4, f } }).kind, kFileWaveform) << f;

    EXPECT_EQ(CheckHeader({ { 2, "QX5191" }, { 4, "XYC" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 2, "4170" }, { 4, "XYC" } }).shown, Says(IDS_UNSUPPORTED_FUNCTION, "XYC"));
    EXPECT_EQ(CheckHeader({ { 2, "3013" }, { 4, "MEM&FFT" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 2, "QX3013" }, { 4, "MEM&FFT" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 2, "QX5191" }, { 4, "MEM&FFT" } }).shown, Says(IDS_UNSUPPORTED_FUNCTION, "MEM&FFT"));
    EXPECT_EQ(CheckHeader({ { 2, "4170" }, { 4, "FFT" } }).shown, Says(IDS_UNSUPPORTED_FUNCTION, "FFT"));
    EXPECT_EQ(CheckHeader({ { 2, "4170" }, { 4, "MEMX" } }).kind, kFileNotLoadable);
}

TEST_F(CheckFileTest, RealtimeMemoryFilesOnlyWhenAllowed)
{
    const Outcome refused = CheckHeader({ { 41, "REAL_MEM" } });
    EXPECT_EQ(refused.kind, kFileNotLoadable);
    EXPECT_EQ(refused.shown, Says(IDS_REALTIME_MEMORY));
    EXPECT_EQ(CheckHeader({ { 41, "REAL_MEM" } }, true).kind, kFileWaveform);
}

TEST_F(CheckFileTest, DataLengthMustBeAPositiveNumber)
{
    for (const char* length : { "0", "", "abc", "-5" }) {
        const Outcome o = CheckHeader({ { 6, length } });
        EXPECT_EQ(o.kind, kFileNotLoadable) << length;
        EXPECT_EQ(o.shown, Says(IDS_DATA_LENGTH_ZERO)) << length;
    }
    EXPECT_EQ(CheckHeader({ { 6, "1" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 6, "12abc" } }).kind, kFileWaveform);
}

TEST_F(CheckFileTest, OldChunkedRevisionRefusedForWaveformsOnly)
{
    for (const char* model : { "5595", "3945", "5595-50", "3945-50" }) {
        const Outcome o = CheckHeader({ { 2, model }, { 9, "55950001" } });
        EXPECT_EQ(o.kind, kFileNotLoadable) << model;
        EXPECT_EQ(o.shown, Says(IDS_OLD_REVISION)) << model;
    }
    EXPECT_EQ(CheckHeader({ { 2, "5595" }, { 9, "55950002" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 2, "5595" }, { 9, "559500010000" } }).kind, kFileWaveform);
    EXPECT_EQ(CheckHeader({ { 2, "4170" }, { 9, "55950001" } }).kind, kFileWaveform);

    // An index file of the family is not checked for the revision; it is
    // handed to the family's own index reader.
    const Outcome index = CheckIndex(Index("HIRM", "5595", "R_M").field(9, "55950001").entry(0, "A"));
    EXPECT_NE(index.shown, Says(IDS_OLD_REVISION));
}

TEST_F(CheckFileTest, ShortFilesReadAsZeroFilled)
{
    // Cut before field 41: the realtime mark is gone, so the file is accepted.
    auto bytes = WaveformHeader({ { 41, "REAL_MEM" } });
    bytes.resize(200);
    WriteBytes(dir / "A.MEM", bytes);
    EXPECT_EQ(Check(dir / "A.MEM").kind, kFileWaveform);

    // Cut inside the data length: "1000" becomes "10".
    bytes.resize(74);
    WriteBytes(dir / "A.MEM", bytes);
    EXPECT_EQ(Check(dir / "A.MEM").kind, kFileWaveform);
    // Cut before it: no data length.
    bytes.resize(72);
    WriteBytes(dir / "A.MEM", bytes);
    EXPECT_EQ(Check(dir / "A.MEM").shown, Says(IDS_DATA_LENGTH_ZERO));

    WriteBytes(dir / "B.MEM", { 'H', 'W' });
    EXPECT_EQ(Check(dir / "B.MEM").shown, Says(IDS_UNSUPPORTED_MODEL, ""));
}

TEST_F(CheckFileTest, UnreadableAndUnknownFiles)
{
    EXPECT_EQ(Check(dir / "missing.MEM").shown, Says(IDS_UNABLE_TO_OPEN));
    EXPECT_EQ(Check(dir.path()).shown, Says(IDS_UNABLE_TO_OPEN));

    WriteBytes(dir / "empty.MEM", {});
    EXPECT_EQ(Check(dir / "empty.MEM").shown, Says(IDS_NOT_WAVEFORM_FILE, (dir / "empty.MEM").string()));
    WriteBytes(dir / "text.MEM", { 'h', 'w', ' ', 'x' });
    EXPECT_EQ(Check(dir / "text.MEM").kind, kFileNotLoadable);
}

TEST_F(CheckFileTest, OldHeaders)
{
    auto old = [&](const std::string& text) {
        std::vector<std::uint8_t> bytes(512, 0);
        std::copy(text.begin(), text.end(), bytes.begin());
        WriteBytes(dir / "OLD.MEM", bytes);
        return Check(dir / "OLD.MEM");
    };
    // magic (9) + 8 characters, function at 17, "WAVE" at 20
    EXPECT_EQ(old("VORAN4756........RECWAVE").kind, kFileWaveform);
    EXPECT_EQ(old("VORAN4756........RMSWAVE").kind, kFileWaveform);
    EXPECT_EQ(old("VORAN4756........MEMWAVX").shown, Says(IDS_UNSUPPORTED_MODEL, ""));
    EXPECT_EQ(old("VORAN4756........XYCWAVE").shown, Says(IDS_UNSUPPORTED_FUNCTION, ""));
    EXPECT_EQ(old("VORAN3629........MEMWAVE").shown, Says(IDS_UNSUPPORTED_MODEL, "3629"));
}

TEST_F(CheckFileTest, IndexKindsByTagModelAndFunction)
{
    WriteBytes(dir / "B1.MEM", WaveformHeader());
    auto index = [&](std::string tag, std::string model, std::string function, std::map<int, std::string> fields = {}) {
        Index blueprint(tag, model, function);
        for (const auto& [n, text] : fields)
            blueprint.field(n, text);
        return CheckIndex(blueprint.entry83(1, "B1", "MEM"));
    };
    const std::map<int, std::string> realtime { { 41, "REAL_IDX" } };

    EXPECT_EQ(index("HIRM", "4170T", "R_M", realtime).kind, kFileRealtimeIndex);
    EXPECT_EQ(index("HIRM", "3416", "R_M", realtime).shown, Says(IDS_UNSUPPORTED_MODEL, "3416"));
    EXPECT_EQ(index("HIRM", "5498", "MEM", realtime).shown, Says(IDS_UNSUPPORTED_FUNCTION, "MEM"));

    EXPECT_EQ(index("HIRM", "3416", "R_M").kind, kFileRecMemIndex);
    EXPECT_EQ(index("HIRM", "3384", "R_M").kind, kFileRecMemIndex);
    EXPECT_EQ(index("HIRM", "5066", "R_M").shown, Says(IDS_UNSUPPORTED_MODEL, "5066"));
    EXPECT_EQ(index("HIRM", "4170", "REC").shown, Says(IDS_UNSUPPORTED_FUNCTION, "REC"));

    for (const char* tag : { "HIS", "HI", "HIM" }) {
        EXPECT_EQ(index(tag, "4170", "MEM").kind, kFileBlockIndex) << tag;
        EXPECT_EQ(index(tag, "5977", "REC").kind, kFileBlockIndex) << tag;
    }
    EXPECT_EQ(index("HIS", "4170", "R_M").shown, Says(IDS_UNSUPPORTED_FUNCTION, "R_M"));
    EXPECT_EQ(index("HIS", "3019", "MEM").shown, Says(IDS_UNSUPPORTED_MODEL, "3019"));

    EXPECT_EQ(index("HIRMM", "5066", "RMS").kind, kFileRmsMemIndex);
    EXPECT_EQ(index("HIRMMS", "4623", "RMS").kind, kFileRmsMemIndex);
    EXPECT_EQ(index("HIRMM", "4170", "RMS").shown, Says(IDS_UNSUPPORTED_MODEL, "4170"));
    EXPECT_EQ(index("HIRMMS", "5066", "MEM").shown, Says(IDS_UNSUPPORTED_FUNCTION, "MEM"));

    for (const char* tag : { "HIX", "HIRMMSS", "HIR" }) {
        const Outcome o = index(tag, "4170", "MEM");
        EXPECT_EQ(o.shown, Says(IDS_NOT_WAVEFORM_FILE, (dir / "A.IDX").string())) << tag;
    }
}

TEST_F(CheckFileTest, ChunkedFamilyIndexesWithoutFileChunksAreRefused)
{
    for (const char* model : { "5595", "3945", "5595-50", "3945-50" }) {
        const Outcome o = CheckIndex(Index("HIS", model, "").entry(0, "A"));
        EXPECT_EQ(o.kind, kFileNotLoadable) << model;
        EXPECT_EQ(o.shown, Says(IDS_NOT_WAVEFORM_FILE, (dir / "A.IDX").string())) << model;
    }
}

TEST_F(CheckFileTest, IndexLayoutFollowsTheModel)
{
    WriteBytes(dir / "W1.MEM", WaveformHeader({ { 11, "5ms" } }));
    // Layout 2 for the recorder models, 3951 included when its sub-model says QX3951.
    for (auto [model, sub] : { std::pair { "5228", "" }, { "QX5210", "" }, { "3951", "QX3951" } }) {
        const Outcome o
            = CheckIndex(Index("HIS", model).layout(synth::IndexLayout::Block132).subModel(sub).entry(4, "W1.MEM"));
        ASSERT_EQ(o.kind, kFileBlockIndex) << model;
        EXPECT_EQ(blocks.GetBlockFileNameByIndex(0), dir / "W1.MEM") << model;
        EXPECT_EQ(blocks.GetBlockTimeDivByIndex(0), "5ms");
    }
    EXPECT_EQ(
        CheckIndex(Index("HIS", "3951").layout(synth::IndexLayout::Block132).subModel("QX3122").entry(4, "W1.MEM"))
            .shown,
        Says(IDS_UNSUPPORTED_MODEL, "3951"));

    for (const char* model : { "QX3122", "QX3122-01", "QX5191T" }) {
        blocks.Clear();
        const Outcome o = CheckIndex(Index("HI", model).layout(synth::IndexLayout::Utf16).entry(0, "W1.MEM"));
        ASSERT_EQ(o.kind, kFileBlockIndex) << model;
        EXPECT_TRUE(blocks.GetBlockFileExistsByIndex(0)) << model;
    }

    blocks.Clear();
    ASSERT_EQ(CheckIndex(Index("HIM", "4623").entry83(9, "W1", "MEM")).kind, kFileBlockIndex);
    EXPECT_EQ(blocks.GetBlockFileBlockNumByIndex(0), 9u);
    EXPECT_EQ(ChooseFileToOpen(kFileBlockIndex, blocks), dir / "W1.MEM");
}

TEST_F(CheckFileTest, RefusedIndexLeavesTheBlockListAlone)
{
    WriteBytes(dir / "W1.MEM", WaveformHeader());
    ASSERT_EQ(CheckIndex(Index("HIS", "4170").entry83(0, "W1", "MEM")).kind, kFileBlockIndex);
    ASSERT_EQ(blocks.GetBlockFileCount(), 1);

    EXPECT_EQ(CheckIndex(Index("HIS", "4170").count("0").entry83(0, "W1", "MEM")).kind, kFileNotLoadable);
    EXPECT_EQ(CheckIndex(Index("HIS", "9999")).kind, kFileNotLoadable);
    WriteBytes(dir / "B.MEM", WaveformHeader());
    EXPECT_EQ(Check(dir / "B.MEM").kind, kFileWaveform);

    EXPECT_EQ(blocks.GetBlockFileCount(), 1);
    EXPECT_EQ(blocks.GetBlockFileNameByIndex(0), dir / "W1.MEM");
}

} // namespace
} // namespace kp
