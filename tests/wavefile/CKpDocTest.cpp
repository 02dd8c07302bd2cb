// Opening files into the document: what the user is asked, and what the
// document holds afterwards, for complete, short, cancelled and refused files.
#include <gtest/gtest.h>

#include "IndexTestFiles.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "support/SampleRoundTrip.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

synth::Recording Memory(std::int64_t length, std::uint32_t salt)
{
    return Make("4170", "41700003", "MEM", length, { 0, 3 }, { 0, 1 }, salt);
}

class DocumentOpen : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const auto path = folder_ / name;
        WriteBytes(path, bytes);
        return path;
    }

    TempFolder folder_;
    RecordingMessages messages_;
    CBlockFileList blockFiles_;
};

TEST_F(DocumentOpen, LoadsTheWholeRecord)
{
    const synth::Recording r = Memory(5000, 1);
    const auto path = Write("A.MEM", synth::WriteRecording(r));
    ScriptedProgress progress(&messages_);
    CKpDoc doc(messages_, progress, blockFiles_);
    int changes = 0;
    doc.SetViewsChanged([&] { ++changes; });

    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_TRUE(doc.IsLoaded());
    EXPECT_EQ(doc.GetFileKind(), 1);
    EXPECT_EQ(doc.GetTitle(), "A.MEM");
    EXPECT_EQ(doc.GetDataLength(), 5000);
    EXPECT_EQ(doc.GetHeaderFamily(), HeaderFamily::Family1);
    EXPECT_EQ(doc.GetAnalogCount(), 4);
    EXPECT_EQ(doc.GetAnalog(3).primary, r.analog[1].primary);
    EXPECT_EQ(doc.GetLogicGroups().groups[0].primary[17], ExpectedGroupWord(r, 1, 0, 17, false));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(changes, 1);
    // The progress window showed the file and "Loading..." with one step per 2000 points.
    EXPECT_EQ(progress.title(), "A.MEM");
    EXPECT_EQ(progress.text(), "Loading...");
    EXPECT_EQ(progress.range(), 5000 / 2000 + 1);
    EXPECT_EQ(progress.steps(), 2);
    EXPECT_TRUE(progress.ended());
}

TEST_F(DocumentOpen, ShortFileAsksWhetherToKeepWhatWasRead)
{
    const synth::Recording r = Memory(5000, 2);
    auto bytes = synth::WriteRecording(r);
    bytes.resize(bytes.size() - bytes.size() / 4);
    const auto path = Write("SHORT.MEM", bytes);
    const std::string question = KpFormat(IDS_FILE_TOO_SHORT, path.string());

    NullProgress progress;
    messages_.scriptAnswer(MessageAnswer::Ok);
    CKpDoc doc(messages_, progress, blockFiles_);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, question);
    EXPECT_EQ(messages_.shown()[0].buttons, MessageButtons::OkCancel);
    const auto& kept = doc.GetAnalog(0).primary;
    ASSERT_EQ(kept.size(), 5000u);
    EXPECT_EQ(kept[0], r.analog[0].primary[0]);
    EXPECT_EQ(kept.back(), 0); // never read

    messages_.clear();
    messages_.scriptAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_FALSE(doc.IsLoaded());
    EXPECT_FALSE(doc.GetAnalog(0).saved);
    EXPECT_TRUE(doc.GetAnalog(0).primary.empty());
    EXPECT_EQ(doc.GetDataLength(), 0);
    EXPECT_EQ(doc.GetTitle(), "");
}

TEST_F(DocumentOpen, HeaderCutShortLeavesAnEmptyDocument)
{
    auto bytes = synth::WriteRecording(Memory(100, 3));
    bytes.resize(700); // inside the second header record
    const auto path = Write("HEAD.MEM", bytes);
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, KpFormat(IDS_FILE_TOO_SHORT, path.string()));
    EXPECT_EQ(messages_.shown()[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(doc.IsLoaded());
}

TEST_F(DocumentOpen, ConfirmedCancelEmptiesTheDocument)
{
    const auto path = Write("LONG.MEM", synth::WriteRecording(Memory(20000, 4)));
    {
        ScriptedProgress progress(&messages_, 3);
        messages_.scriptAnswer(MessageAnswer::Ok); // "Cancel?" -> OK
        CKpDoc doc(messages_, progress, blockFiles_);
        EXPECT_FALSE(doc.OnOpenDocument(path));
        EXPECT_EQ(messages_.shown().at(0).text, "Cancel?");
        EXPECT_EQ(progress.steps(), 3);
        EXPECT_FALSE(doc.IsLoaded());
        EXPECT_FALSE(doc.GetAnalog(0).saved);
        EXPECT_TRUE(doc.IsLoadFailed());
    }
    messages_.clear();
    ScriptedProgress progress(&messages_, 3);
    messages_.scriptAnswer(MessageAnswer::Cancel); // "Cancel?" -> go on
    CKpDoc doc(messages_, progress, blockFiles_);
    EXPECT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetAnalog(0).primary.size(), 20000u);
}

TEST_F(DocumentOpen, RefusedFileKeepsThePreviousDocument)
{
    const synth::Recording r = Memory(300, 5);
    const auto good = Write("GOOD.MEM", synth::WriteRecording(r));
    synth::Recording other = r;
    other.model = "9999";
    const auto unsupported = Write("BAD.MEM", synth::WriteRecording(other));
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    ASSERT_TRUE(doc.OnOpenDocument(good));
    const std::uint64_t revision = doc.GetRevision();

    EXPECT_FALSE(doc.OnOpenDocument(unsupported));
    EXPECT_EQ(messages_.shown().size(), 1u); // the recogniser's message
    EXPECT_FALSE(doc.OnOpenDocument(folder_ / "MISSING.MEM"));
    EXPECT_TRUE(doc.IsLoaded());
    EXPECT_EQ(doc.GetTitle(), "GOOD.MEM");
    EXPECT_EQ(doc.GetAnalog(0).primary, r.analog[0].primary);
    EXPECT_EQ(doc.GetRevision(), revision);
}

TEST_F(DocumentOpen, LoggerFilesGoToTheCompanion)
{
    const auto good = Write("GOOD.MEM", synth::WriteRecording(Memory(300, 6)));
    synth::Recording logger = Memory(300, 7);
    logger.model = "7712";
    const auto loggerPath = Write("LOG.MEM", synth::WriteRecording(logger));
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    std::vector<std::filesystem::path> launched;
    int flagResets = 0;
    doc.SetCompanionLauncher([&](const std::filesystem::path& p) { launched.push_back(p); });
    doc.SetCompanionFlagReset([&] { ++flagResets; });
    ASSERT_TRUE(doc.OnOpenDocument(good));
    EXPECT_FALSE(doc.OnOpenDocument(loggerPath));
    EXPECT_EQ(launched, std::vector<std::filesystem::path> { loggerPath });
    EXPECT_EQ(flagResets, 2);
    EXPECT_TRUE(doc.IsLoaded());
    EXPECT_EQ(doc.GetTitle(), "GOOD.MEM");
}

TEST_F(DocumentOpen, IndexFileWithNoListedFileFound)
{
    synth::IndexBlueprint blueprint;
    blueprint.entries = { { 1, synth::Name83Stored("WAVE0001", "MEM") } };
    const auto index = Write("A.IDX", synth::MakeIndexFile(blueprint));
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    EXPECT_FALSE(doc.OnOpenDocument(index));
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_EQ(messages_.shown().back().text, "File not found.");

    // Once the listed file exists, the index opens it.
    messages_.clear();
    Write("WAVE0001.MEM", synth::WriteRecording(Memory(300, 8)));
    EXPECT_TRUE(doc.OnOpenDocument(index));
    EXPECT_EQ(doc.GetTitle(), "WAVE0001.MEM");
    EXPECT_EQ(doc.GetFileKind(), 3);
    EXPECT_FALSE(doc.IsIndexFile());
}

TEST_F(DocumentOpen, OnlyARealtimeIndexMarksTheDocumentAsOpenedFromAnIndex)
{
    const auto wave = Write("WAVE0001.MEM", synth::WriteRecording(Memory(300, 14)));
    synth::IndexBlueprint blueprint;
    blueprint.tag = "HIRM";
    blueprint.function = "R_M";
    blueprint.fields = { { 41, "REAL_IDX" } };
    blueprint.entries = { { 1, synth::Name83Stored("WAVE0001", "MEM") } };
    const auto index = Write("A.R_M", synth::MakeIndexFile(blueprint));
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    ASSERT_TRUE(doc.OnOpenDocument(index));
    EXPECT_EQ(doc.GetFileKind(), 4);
    EXPECT_EQ(doc.GetTitle(), "WAVE0001.MEM");
    EXPECT_TRUE(doc.IsIndexFile());
    ASSERT_TRUE(doc.OnOpenDocument(wave));
    EXPECT_FALSE(doc.IsIndexFile());
}

TEST_F(DocumentOpen, AbsurdDataLengthIsNotAllocated)
{
    auto bytes = synth::WriteRecording(Memory(100, 9));
    const std::string huge = "900000000000";
    std::fill_n(bytes.begin() + 72, 12, 0);
    std::copy(huge.begin(), huge.end(), bytes.begin() + 72);
    const auto path = Write("HUGE.MEM", bytes);
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, KpFormat(IDS_FILE_TOO_SHORT, path.string()));
    EXPECT_FALSE(doc.GetAnalog(0).saved);
}

TEST_F(DocumentOpen, PulsesUnderEnvelopeFailSilently)
{
    const auto good = Write("GOOD.MEM", synth::WriteRecording(Memory(300, 10)));
    const auto path = Write(
        "P.MEM", synth::WriteRecording(WithPulses(Make("3019", "30190001", "REC", 50, { 0 }, {}, 11), { 0 }, 12)));
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    ASSERT_TRUE(doc.OnOpenDocument(good));
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_FALSE(doc.IsLoaded()); // loading had started: the old record is gone
    EXPECT_FALSE(doc.GetAnalog(0).saved);
}

TEST_F(DocumentOpen, CloseEmptiesAndLetsTheViewCleanUp)
{
    const auto path = Write("A.MEM", synth::WriteRecording(Memory(300, 13)));
    NullProgress progress;
    CKpDoc doc(messages_, progress, blockFiles_);
    int cleanups = 0;
    doc.SetCloseHook([&] { ++cleanups; });
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.Export().rangeStart = 10;
    doc.OnCloseDocument();
    EXPECT_EQ(cleanups, 1);
    EXPECT_FALSE(doc.IsLoaded());
    EXPECT_FALSE(doc.GetLogicGroups().logicPresent);
    EXPECT_EQ(doc.GetHeadInfo().GetDataLength(), 0);
}

TEST(DocumentState, ConstructedEmpty)
{
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList files;
    CKpDoc doc(messages, progress, files);
    EXPECT_FALSE(doc.IsLoaded());
    EXPECT_EQ(doc.Export().rangeStart, -1);
    EXPECT_EQ(doc.Export().rangeEnd, -1);
    EXPECT_EQ(doc.Export().thinOut, 1);
    EXPECT_EQ(doc.Export().notation, 1);
    EXPECT_EQ(doc.GetTitle(), "");
    EXPECT_FALSE(doc.GetTables().logicGroups.logicPresent);
}

} // namespace
} // namespace kp::test
