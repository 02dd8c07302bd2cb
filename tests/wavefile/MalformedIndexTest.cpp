// Broken index files in each table layout: an index that lists itself,
// another index, missing files, folders, names leading out of its folder,
// counts the file cannot hold. Refusals before the load keep the previous
// document; a listed file that cannot be read empties it, with one message.
#include <gtest/gtest.h>

#include <optional>

#include "IndexTestFiles.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "synth/DemoRecordings.h"
#include "synth/IndexWriter.h"
#include "synth/RecordingWriter.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

struct LayoutCase {
    const char* name;
    synth::IndexLayout layout;
    const char* model;
};

std::ostream& operator<<(std::ostream& os, const LayoutCase& c)
{
    return os << c.name;
}

class MalformedIndex : public ::testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override
    {
        previousRecording_ = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 50, 3);
        const auto previous = folder_ / "PREVIOUS.MEM";
        WriteBytes(previous, synth::WriteRecording(previousRecording_));
        ASSERT_TRUE(doc_.OnOpenDocument(previous));
        messages_.clear();
    }

    // The stored form of a listed name in this layout (layout 1 keeps 8.3
    // names without the dot).
    std::string Stored(const std::string& base, const std::string& extension) const
    {
        if (GetParam().layout == synth::IndexLayout::Block16)
            return synth::Name83Stored(base, extension);
        return base + "." + extension;
    }

    synth::IndexBlueprint Blueprint(std::vector<std::string> names) const
    {
        synth::IndexBlueprint blueprint;
        blueprint.layout = GetParam().layout;
        blueprint.model = GetParam().model;
        std::uint32_t block = 1;
        for (auto& n : names)
            blueprint.entries.push_back({ block++, std::move(n) });
        return blueprint;
    }

    std::filesystem::path WriteIndex(const synth::IndexBlueprint& blueprint)
    {
        const auto path = folder_ / "INDEX.IDX";
        WriteBytes(path, synth::MakeIndexFile(blueprint));
        return path;
    }

    // The document still holds the recording opened in SetUp.
    void ExpectPreviousDocument() const
    {
        EXPECT_TRUE(doc_.IsLoaded());
        EXPECT_EQ(doc_.GetTitle(), "PREVIOUS.MEM");
        EXPECT_EQ(doc_.GetAnalog(previousRecording_.analog[0].slot).primary, previousRecording_.analog[0].primary);
    }

    void ExpectEmptyDocument() const
    {
        EXPECT_FALSE(doc_.IsLoaded());
        EXPECT_EQ(doc_.GetTitle(), "");
        EXPECT_TRUE(doc_.GetAnalog(previousRecording_.analog[0].slot).primary.empty());
    }

    void ExpectOneMessage(const std::string& text) const
    {
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].text, text);
    }

    TempFolder folder_;
    RecordingMessages messages_;
    NullProgress progress_;
    CBlockFileList blockFiles_;
    CKpDoc doc_ { messages_, progress_, blockFiles_ };
    synth::Recording previousRecording_;
};

TEST_P(MalformedIndex, ListingItselfOpensItselfAsARecordingAndFails)
{
    const auto index = WriteIndex(Blueprint({ Stored("INDEX", "IDX") }));
    EXPECT_FALSE(doc_.OnOpenDocument(index));
    // The listed file is read like any recording; an index is none.
    ExpectOneMessage(KpFormat(IDS_NOT_WAVEFORM_FILE, index.string()));
    ExpectEmptyDocument();
}

TEST_P(MalformedIndex, ListingAnotherIndexDoesNotFollowIt)
{
    WriteBytes(folder_ / "OTHER.IDX", synth::MakeIndexFile(Blueprint({ Stored("INDEX", "IDX") })));
    const auto index = WriteIndex(Blueprint({ Stored("OTHER", "IDX") }));
    EXPECT_FALSE(doc_.OnOpenDocument(index));
    ExpectOneMessage(KpFormat(IDS_NOT_WAVEFORM_FILE, (folder_ / "OTHER.IDX").string()));
    ExpectEmptyDocument();
}

TEST_P(MalformedIndex, ListedFilesThatCannotBeOpenedAreNotFound)
{
    std::filesystem::create_directory(folder_ / "FOLDER.MEM");
    std::vector<std::string> names { Stored("MISSING", "MEM"), Stored("FOLDER", "MEM") };
    if (GetParam().layout != synth::IndexLayout::Block16)
        names.push_back("../PREVIOUS.MEM"); // leaves the index's folder: listed, never followed
    const auto index = WriteIndex(Blueprint(names));
    EXPECT_FALSE(doc_.OnOpenDocument(index));
    ExpectOneMessage(std::string(KpString(IDS_FILE_NOT_FOUND)));
    ExpectPreviousDocument();
    EXPECT_EQ(blockFiles_.GetBlockFileCount(), static_cast<int>(names.size()));
    for (int i = 0; i < blockFiles_.GetBlockFileCount(); ++i)
        EXPECT_FALSE(blockFiles_.GetBlockFileExistsByIndex(i)) << i;
}

TEST_P(MalformedIndex, CountsThatAreNoCountKeepThePreviousDocument)
{
    for (const std::string count : { "abc", "-1", "0", "", "99999", "999999999999" }) {
        SCOPED_TRACE("count \"" + count + "\"");
        messages_.clear();
        synth::IndexBlueprint blueprint = Blueprint({ Stored("PREVIOUS", "MEM") });
        blueprint.countText = count.empty() ? std::string(1, '\0') : count;
        const auto index = WriteIndex(blueprint);
        EXPECT_FALSE(doc_.OnOpenDocument(index));
        ExpectOneMessage(KpFormat(IDS_NOT_WAVEFORM_FILE, index.string()));
        ExpectPreviousDocument();
    }
}

TEST_P(MalformedIndex, IndexCutInsideItsTableIsRefused)
{
    auto bytes = synth::MakeIndexFile(Blueprint({ Stored("PREVIOUS", "MEM"), Stored("PREVIOUS", "MEM") }));
    bytes.resize(bytes.size() - 1);
    const auto index = folder_ / "INDEX.IDX";
    WriteBytes(index, bytes);
    EXPECT_FALSE(doc_.OnOpenDocument(index));
    ExpectOneMessage(KpFormat(IDS_NOT_WAVEFORM_FILE, index.string()));
    ExpectPreviousDocument();
}

TEST_P(MalformedIndex, ShortListedFileAsksWhetherToKeepItsPart)
{
    const synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 400, 9);
    auto bytes = synth::WriteRecording(r);
    bytes.resize(bytes.size() - 100);
    WriteBytes(folder_ / "SHORT.MEM", bytes);
    const auto index = WriteIndex(Blueprint({ Stored("SHORT", "MEM") }));

    ASSERT_TRUE(doc_.OnOpenDocument(index));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, KpFormat(IDS_FILE_TOO_SHORT, (folder_ / "SHORT.MEM").string()));
    EXPECT_EQ(doc_.GetTitle(), "SHORT.MEM");
    EXPECT_EQ(doc_.GetAnalog(r.analog[0].slot).primary[0], r.analog[0].primary[0]);

    messages_.clear();
    messages_.scriptAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(doc_.OnOpenDocument(index));
    ExpectEmptyDocument();
}

INSTANTIATE_TEST_SUITE_P(Layouts, MalformedIndex,
    ::testing::Values(LayoutCase { "Block16", synth::IndexLayout::Block16, "4170" },
        LayoutCase { "Block132", synth::IndexLayout::Block132, "5228" },
        LayoutCase { "Utf16", synth::IndexLayout::Utf16, "QX3122" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace kp::test
