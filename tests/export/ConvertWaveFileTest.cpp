// Conversion from disk: what is refused, what is reported, what stays written.

#include "export/ConvertWaveFile.h"
#include "export/SourceProblemText.h"

#include "export/ExportRecordings.h"
#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace kp {
namespace {

std::int64_t Lines(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}

struct Conversion {
    test::ScratchFolder dir;
    RecordingMessages messages;
    NullProgress progress;
    ConversionRequest request;

    explicit Conversion(std::int64_t points = 100)
    {
        request.source = test::WriteExportRecording(test::ExportFamily1(points), dir / "A.MEM");
        request.output = dir / "A.CSV";
        request.showErrors = true;
    }
    bool Run() { return ConvertWaveFile(request, messages, progress); }
    std::string Output() const { return test::ReadWholeFile(request.output); }
    std::string OnlyMessage() const
    {
        EXPECT_EQ(messages.shown().size(), 1u);
        return messages.shown().empty() ? std::string() : messages.shown().front().text;
    }
};

TEST(ConvertWaveFile, RefusedSourceWritesNothingAndAnswersFalse)
{
    Conversion c;
    c.request.source = c.dir.touch("NOTES.MEM", std::string(600, 'x'));
    EXPECT_FALSE(c.Run());
    EXPECT_FALSE(std::filesystem::exists(c.request.output));

    c.request.source = c.dir / "MISSING.MEM";
    EXPECT_FALSE(c.Run());
    EXPECT_FALSE(std::filesystem::exists(c.request.output));
}

TEST(ConvertWaveFile, OutputThatCannotBeCreatedIsReportedWithItsPath)
{
    Conversion c;
    c.request.output = c.dir / "no-such-folder" / "A.CSV";
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.OnlyMessage(), std::string(KpString(IDS_UNABLE_TO_OPEN)) + "\n\n" + c.request.output.string());
}

TEST(ConvertWaveFile, FullDiskIsReportedAndAnswersFalse)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    Conversion c(200000);
    c.request.output = "/dev/full";
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.OnlyMessage(), "Disk full while converting to /dev/full.");
}

TEST(ConvertWaveFile, AppendAddsToTheExistingOutput)
{
    Conversion c;
    ASSERT_TRUE(c.Run());
    const std::string once = c.Output();
    c.request.append = true;
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Output(), once + once);
    c.request.append = false;
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Output(), once);
}

TEST(ConvertWaveFile, ConfirmedCancelKeepsAValidPrefixAndAnswersFalse)
{
    Conversion c(100000);
    c.request.header = ExportHeaderOptions {};
    ASSERT_TRUE(c.Run());
    const std::string whole = c.Output();

    RecordingMessages messages;
    messages.scriptAnswer(MessageAnswer::Ok);
    ScriptedProgress progress(&messages, 150);
    EXPECT_FALSE(ConvertWaveFile(c.request, messages, progress));
    EXPECT_EQ(progress.title(), KpString(IDS_CONVERTING));
    EXPECT_EQ(progress.text(), c.request.source.string() + " -> " + c.request.output.string());
    EXPECT_EQ(progress.range(), 100000 / 500 + 1);
    const std::string part = c.Output();
    ASSERT_LT(part.size(), whole.size());
    EXPECT_EQ(whole.substr(0, part.size()), part);
    EXPECT_EQ(Lines(part) - Lines(whole.substr(0, whole.find("\"Time[s]\""))), 150 * 500 + 1);
}

TEST(ConvertWaveFile, ASourceThatEndsEarlyConvertsEveryPointItHolds)
{
    Conversion c(200000);
    c.request.header.storeInfo = false;
    c.request.header.channelInfo = false;
    ASSERT_TRUE(c.Run());
    const std::string whole = c.Output();
    // Cut the file inside its second block of points.
    const auto size = std::filesystem::file_size(c.request.source);
    std::filesystem::resize_file(c.request.source, size - 100000 * 5);
    c.messages.clear();
    EXPECT_FALSE(c.Run());
    EXPECT_EQ(c.OnlyMessage(), CutShortText(c.request.source, 100000, 200000));
    const std::string part = c.Output();
    EXPECT_EQ(Lines(part), 1 + 100000);
    EXPECT_EQ(whole.substr(0, part.size()), part);
}

TEST(ConvertWaveFile, RangeIsClippedToTheRecord)
{
    ScopedLocale locale({ '.', ',', "HH:mm:ss", true });
    Conversion c(8);
    c.request.header = {};
    c.request.header.storeInfo = c.request.header.channelInfo = c.request.header.channelHeader = false;
    c.request.notation = kNotationPoint;
    c.request.start = 6;
    c.request.end = 1000;
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Output(), "4,+1.56250e+000,+1.52500e+001,0,1,1,0\n5,+1.95312e+000,+1.77500e+001,1,1,1,0\n");
    // B before A is not reordered: nothing but the header.
    c.request.start = 5;
    c.request.end = 2;
    ASSERT_TRUE(c.Run());
    EXPECT_EQ(c.Output(), "");
}

} // namespace
} // namespace kp
