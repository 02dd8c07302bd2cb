// The open document written as text: ranges, thin-out, division into
// numbered files, cancel.

#include "export/SaveAsText.h"

#include "export/ConvertWaveFile.h"
#include "export/ExportRecordings.h"
#include "export/FileDivision.h"
#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "support/ScratchFolder.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace kp {
namespace {

const LocaleInfo kDotLocale { '.', ',', "HH:mm:ss", true };

std::int64_t Lines(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}

// An open document of a family-1 recording of n points.
struct OpenRecording {
    test::ScratchFolder dir;
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CKpDoc doc { messages, progress, blockFiles };

    explicit OpenRecording(std::int64_t points, bool withLogic = false)
    {
        const auto path = test::WriteExportRecording(test::ExportFamily1(points, "MEM", withLogic), dir / "A.MEM");
        EXPECT_TRUE(doc.OnOpenDocument(path));
    }

    SaveAsTextRequest Request(int pointsPerFile = 0) const
    {
        SaveAsTextRequest r;
        r.path = dir / "out" / "A.CSV";
        std::filesystem::create_directories(r.path.parent_path());
        r.header.storeInfo = false;
        r.header.channelInfo = false;
        r.pointsPerFile = pointsPerFile;
        return r;
    }

    std::string Read(const std::string& name) const { return test::ReadWholeFile(dir / "out" / name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / "out" / name); }
};

TEST(FileDivision, CountsFilesAndJoinsAOnePointRemainder)
{
    auto sizes = [](std::int64_t points, int thinOut, int perFile) {
        std::vector<std::int64_t> out;
        for (const PointRange& r : DivideRange({ 0, points - 1 }, thinOut, perFile))
            out.push_back(r.last - r.first + 1);
        return out;
    };
    EXPECT_EQ(sizes(25001, 1, 10000), (std::vector<std::int64_t> { 10000, 10000, 5001 }));
    EXPECT_EQ(sizes(20001, 1, 10000), (std::vector<std::int64_t> { 10000, 10001 }));
    EXPECT_EQ(sizes(20000, 1, 10000), (std::vector<std::int64_t> { 10000, 10000 }));
    EXPECT_EQ(sizes(20002, 1, 10000), (std::vector<std::int64_t> { 10000, 10000, 2 }));
    EXPECT_EQ(sizes(7, 1, 1000), (std::vector<std::int64_t> { 7 }));
    // A single point is one file, not none.
    EXPECT_EQ(sizes(1, 1, 1000), (std::vector<std::int64_t> { 1 }));
    EXPECT_EQ(sizes(1, 1, 0), (std::vector<std::int64_t> { 1 }));
    // With thin-out 3 a file spans 3 x 1000 points.
    EXPECT_EQ(sizes(6001, 3, 1000), (std::vector<std::int64_t> { 3000, 3001 }));
    // Between cursors the range starts anywhere; its one-point remainder
    // still joins the last file, so cursor B's point is written.
    const std::vector<PointRange> between = DivideRange({ 5, 20005 }, 1, 10000);
    ASSERT_EQ(between.size(), 2u);
    EXPECT_EQ(between[0].first, 5);
    EXPECT_EQ(between[0].last, 10004);
    EXPECT_EQ(between[1].first, 10005);
    EXPECT_EQ(between[1].last, 20005);
}

TEST(SaveAsText, DividesIntoNumberedFilesEachWithTheFullHeader)
{
    ScopedLocale locale(kDotLocale);
    OpenRecording rec(25001);
    const SaveAsTextResult result = SaveAsText(rec.doc, rec.Request(10000), rec.messages, rec.progress);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.filesWritten, 3);
    EXPECT_FALSE(rec.Exists("A.CSV"));
    const auto out = rec.dir / "out";
    EXPECT_EQ(result.paths, (std::vector { out / "A-000.CSV", out / "A-001.CSV", out / "A-002.CSV" }));
    const std::string header = "\"Time[s]\",\"CH1[V]\",\"CH3[mV]\"\n";
    std::string joined;
    for (const char* name : { "A-000.CSV", "A-001.CSV", "A-002.CSV" }) {
        const std::string text = rec.Read(name);
        ASSERT_EQ(text.substr(0, header.size()), header) << name;
        joined += text.substr(header.size());
    }
    EXPECT_EQ(Lines(rec.Read("A-000.CSV")), 10001);
    EXPECT_EQ(Lines(rec.Read("A-002.CSV")), 5002);
    // The rows of the parts are the rows of the undivided file.
    SaveAsTextRequest whole = rec.Request();
    whole.path = rec.dir / "out" / "W.CSV";
    EXPECT_EQ(SaveAsText(rec.doc, whole, rec.messages, rec.progress).filesWritten, 1);
    EXPECT_EQ(rec.Read("W.CSV"), header + joined);
    EXPECT_TRUE(rec.messages.shown().empty());
}

TEST(SaveAsText, AOnePointRemainderJoinsTheLastFile)
{
    OpenRecording rec(20001);
    EXPECT_EQ(SaveAsText(rec.doc, rec.Request(10000), rec.messages, rec.progress).filesWritten, 2);
    EXPECT_EQ(Lines(rec.Read("A-001.CSV")), 10002);
    EXPECT_FALSE(rec.Exists("A-002.CSV"));
}

TEST(SaveAsText, NumberedNamesSkipNamesThatExist)
{
    OpenRecording rec(2500);
    std::filesystem::create_directories(rec.dir / "out");
    std::ofstream(rec.dir / "out" / "A-000.CSV") << "kept";
    std::ofstream(rec.dir / "out" / "A-002.CSV") << "kept";
    EXPECT_EQ(SaveAsText(rec.doc, rec.Request(1000), rec.messages, rec.progress).filesWritten, 3);
    EXPECT_EQ(rec.Read("A-000.CSV"), "kept");
    EXPECT_EQ(rec.Read("A-002.CSV"), "kept");
    EXPECT_EQ(Lines(rec.Read("A-001.CSV")), 1001);
    EXPECT_EQ(Lines(rec.Read("A-003.CSV")), 1001);
    EXPECT_EQ(Lines(rec.Read("A-004.CSV")), 501);
}

TEST(SaveAsText, StopsWhenTheNumberedNamesRunOut)
{
    OpenRecording rec(2500);
    std::filesystem::create_directories(rec.dir / "out");
    std::ofstream(rec.dir / "out" / "A-001.CSV") << "kept";
    std::ofstream(rec.dir / "out" / "A-003.CSV") << "kept";
    SaveAsTextRequest r = rec.Request(1000);
    r.maxNameCounter = 3;
    const SaveAsTextResult result = SaveAsText(rec.doc, r, rec.messages, rec.progress);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.filesWritten, 2);
    EXPECT_EQ(rec.Read("A-003.CSV"), "kept");
    ASSERT_EQ(rec.messages.shown().size(), 1u);
    EXPECT_EQ(rec.messages.shown()[0].text,
        std::string(KpString(IDS_FILE_ALREADY_EXISTS)) + "\n\n" + (rec.dir / "out" / "A-003.CSV").string());
}

TEST(SaveAsText, ASinglePointRangeWritesOneFile)
{
    OpenRecording rec(50);
    SaveAsTextRequest r = rec.Request(1000);
    r.first = r.last = 17;
    const SaveAsTextResult result = SaveAsText(rec.doc, r, rec.messages, rec.progress);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.filesWritten, 1);
    EXPECT_EQ(Lines(rec.Read("A.CSV")), 2);
}

TEST(SaveAsText, ThinOutKeepsEveryKthPointOfTheRange)
{
    ScopedLocale locale(kDotLocale);
    OpenRecording rec(40);
    SaveAsTextRequest r = rec.Request();
    r.first = 5;
    r.last = 16;
    r.thinOut = 4;
    r.notation = kNotationPoint;
    r.header.channelHeader = false;
    SaveAsText(rec.doc, r, rec.messages, rec.progress);
    // Points 5, 9, 13 (the trigger is point 10); 17 lies beyond the range.
    const std::string text = rec.Read("A.CSV");
    EXPECT_EQ(Lines(text), 3);
    EXPECT_EQ(text.substr(0, 3), "-5,");
    EXPECT_NE(text.find("\n-1,"), std::string::npos);
    EXPECT_NE(text.find("\n3,"), std::string::npos);
}

TEST(SaveAsText, ConfirmedCancelKeepsAValidPrefix)
{
    OpenRecording rec(5000);
    RecordingMessages messages;
    messages.scriptAnswer(MessageAnswer::Ok); // "Cancel?" -> yes
    ScriptedProgress progress(&messages, 3);
    const SaveAsTextResult result = SaveAsText(rec.doc, rec.Request(), messages, progress);
    EXPECT_FALSE(result.completed);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, KpString(IDS_CANCEL_QUESTION));
    const std::string part = rec.Read("A.CSV");
    // Three progress steps of 500 rows, each row whole.
    EXPECT_EQ(Lines(part), 1 + 1500);
    EXPECT_EQ(part.back(), '\n');

    SaveAsTextRequest whole = rec.Request();
    whole.path = rec.dir / "out" / "W.CSV";
    SaveAsText(rec.doc, whole, rec.messages, rec.progress);
    EXPECT_EQ(rec.Read("W.CSV").substr(0, part.size()), part);
}

TEST(SaveAsText, MatchesTheConversionFromDisk)
{
    ScopedLocale locale(kDotLocale);
    OpenRecording rec(200000, true);
    SaveAsTextRequest r = rec.Request();
    r.header = ExportHeaderOptions {};
    r.thinOut = 7;
    SaveAsText(rec.doc, r, rec.messages, rec.progress);

    ConversionRequest c;
    c.source = rec.dir / "A.MEM";
    c.output = rec.dir / "out" / "D.CSV";
    c.thinOut = 7;
    NullProgress progress;
    EXPECT_TRUE(ConvertWaveFile(c, rec.messages, progress));
    EXPECT_EQ(rec.Read("D.CSV"), rec.Read("A.CSV"));
}

TEST(SaveAsText, OutputThatCannotBeCreatedIsReported)
{
    OpenRecording rec(10);
    SaveAsTextRequest r = rec.Request();
    r.path = rec.dir / "missing-folder" / "A.CSV";
    const SaveAsTextResult result = SaveAsText(rec.doc, r, rec.messages, rec.progress);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.filesWritten, 0);
    ASSERT_EQ(rec.messages.shown().size(), 1u);
    EXPECT_EQ(rec.messages.shown()[0].text, std::string(KpString(IDS_UNABLE_TO_OPEN)) + "\n\n" + r.path.string());
}

} // namespace
} // namespace kp
