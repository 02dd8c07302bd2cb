#include <gtest/gtest.h>

#include "app/CKpCommandLineInfo.h"
#include "app/KpSettings.h"
#include "app/UnattendedConversion.h"
#include "platform/ProgressWindow.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"

#include <fstream>
#include <stdexcept>

namespace kp {
namespace {

namespace fs = std::filesystem;
using Status = UnattendedResult::Status;

// Stands in for the converter from disk: records what it was asked and does
// what the test tells it.
struct FakeConverter {
    std::vector<ConversionRequest> requests;
    bool answer = true;
    bool write = true;
    std::string message;
    bool throwError = false;

    WaveFileConverter callable()
    {
        return [this](const ConversionRequest& request, UserMessages& messages, ProgressWindow& progress) {
            requests.push_back(request);
            progress.begin("Converting...", request.source.string() + " -> " + request.output.string(), 2);
            progress.step();
            if (throwError)
                throw std::runtime_error("mapping failed\n\nfor A.MEM");
            if (!message.empty() && request.showErrors)
                messages.show(message, MessageButtons::Ok, MessageIcon::Error);
            if (write)
                std::ofstream(request.output) << "row\n";
            progress.end();
            return answer;
        };
    }
};

class UnattendedConversion : public testing::Test {
protected:
    UnattendedResult Run(const std::vector<std::string>& tokens)
    {
        CKpCommandLineInfo info;
        info.ParseCommandLine(tokens);
        return RunUnattendedConversion(info, settings, converter.callable(), progress);
    }

    test::ScratchFolder dir;
    fs::path source = dir.touch("in/A.MEM");
    fs::path out = dir / "out";
    KpSettings settings;
    FakeConverter converter;
    ScriptedProgress progress;
};

TEST_F(UnattendedConversion, ConvertsTheWholeRecordWithTheSwitches)
{
    fs::create_directory(out);
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string(), "/TAB", "/LF", "/THINOUT", "5", "/POINT",
        "/NOHEAD", "/CHHEADCOMM" });
    ASSERT_EQ(r.status, Status::Converted) << r.reason;
    EXPECT_EQ(r.ExitCode(), 0);
    EXPECT_EQ(r.output, out / "A.TXT");
    ASSERT_EQ(converter.requests.size(), 1u);
    const ConversionRequest& q = converter.requests[0];
    EXPECT_EQ(q.source, source);
    EXPECT_EQ(q.output, out / "A.TXT");
    EXPECT_EQ(q.start, -1);
    EXPECT_EQ(q.end, -1);
    EXPECT_EQ(q.thinOut, 5);
    EXPECT_EQ(q.format, kFormatTab);
    EXPECT_FALSE(q.crlf);
    EXPECT_EQ(q.notation, kNotationPoint);
    EXPECT_EQ(q.header, (ExportHeaderOptions { false, false, false, false, true }));
    EXPECT_EQ(q.headerType, kHeaderChannelComments);
    EXPECT_FALSE(q.checkFile);
    EXPECT_FALSE(q.append);
    EXPECT_TRUE(progress.began());
}

TEST_F(UnattendedConversion, NumbersTheOutputWhenItExists)
{
    fs::create_directory(out);
    for (const char* expected : { "A.CSV", "A-000.CSV", "A-001.CSV" }) {
        const auto r = Run({ "/CONV", source.string(), "/DEST", out.string() });
        ASSERT_EQ(r.status, Status::Converted) << r.reason;
        EXPECT_EQ(r.output, out / expected);
    }
    EXPECT_EQ(converter.requests.back().output, out / "A-001.CSV");
}

TEST(ChooseOutputPath, TakesTheFirstFreeNumberUpToOneThousand)
{
    test::ScratchFolder dir;
    EXPECT_EQ(ChooseOutputPath(dir.path(), "/x/REC.1.MEM", ".CSV"), dir / "REC.1.CSV");
    dir.touch("A.TXT");
    for (int n = 0; n < 1000; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "A-%03d.TXT", n);
        dir.touch(name);
    }
    EXPECT_EQ(ChooseOutputPath(dir.path(), "A.MEM", ".TXT"), dir / "A-1000.TXT");
    dir.touch("A-1000.TXT");
    EXPECT_TRUE(ChooseOutputPath(dir.path(), "A.MEM", ".TXT").empty());
    // A gap below is taken first.
    fs::remove(dir / "A-042.TXT");
    EXPECT_EQ(ChooseOutputPath(dir.path(), "A.MEM", ".TXT"), dir / "A-042.TXT");
}

TEST_F(UnattendedConversion, WritesNothingWhenEveryNameIsTaken)
{
    fs::create_directory(out);
    dir.touch("out/A.CSV");
    for (int n = 0; n <= 1000; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "out/A-%03d.CSV", n);
        dir.touch(name);
    }
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string(), "/LF" });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_NE(r.ExitCode(), 0);
    EXPECT_TRUE(r.output.empty());
    EXPECT_NE(r.reason.find("all output names exist"), std::string::npos) << r.reason;
    EXPECT_TRUE(converter.requests.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1002);
    // The switches still become the next defaults.
    EXPECT_EQ(settings.saveNewLine, 0);
}

TEST_F(UnattendedConversion, DestWithOrWithoutTrailingSeparatorGivesTheSamePath)
{
    fs::create_directory(out);
    const auto plain = Run({ "/CONV", source.string(), "/DEST", out.string() });
    fs::remove(plain.output);
    const auto slashed = Run({ "/CONV", source.string(), "/DEST", out.string() + "/" });
    ASSERT_EQ(converter.requests.size(), 2u);
    EXPECT_EQ(converter.requests[0].output, converter.requests[1].output);
    EXPECT_EQ(converter.requests[0].output, out / "A.CSV");
}

TEST_F(UnattendedConversion, UsesTheSaveFolderWithoutDest)
{
    settings.saveFolder = (dir / "saved").string();
    fs::create_directory(dir / "saved");
    const auto r = Run({ "-CONV", source.string() });
    EXPECT_EQ(r.status, Status::Converted) << r.reason;
    EXPECT_EQ(r.output, dir / "saved" / "A.CSV");
}

TEST_F(UnattendedConversion, FormatAndNewlineBecomeTheNextDefaults)
{
    fs::create_directory(out);
    settings.saveFormat = kFormatCsv;
    settings.saveNewLine = 1;
    Run({ "/CONV", source.string(), "/DEST", out.string(), "/TAB", "/LF" });
    EXPECT_EQ(settings.saveFormat, kFormatTab);
    EXPECT_EQ(settings.saveNewLine, 0);

    MemorySettingsStore store;
    SaveSettings(settings, store);
    const KpSettings next = LoadSettings(store);
    EXPECT_EQ(next.saveFormat, kFormatTab);
    EXPECT_EQ(next.saveNewLine, 0);

    Run({ "/CONV", source.string(), "/DEST", out.string() });
    EXPECT_EQ(settings.saveFormat, kFormatCsv);
    EXPECT_EQ(settings.saveNewLine, 1);
}

TEST_F(UnattendedConversion, ReportsTheConvertersMessageOnOneLine)
{
    fs::create_directory(out);
    converter.answer = false;
    converter.write = false;
    converter.message = "Unsupported model : 9999";
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string() });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_EQ(r.ExitCode(), 1);
    EXPECT_EQ(r.reason, "Unsupported model : 9999");
    // The messages are collected silently; the converter is asked to report.
    EXPECT_TRUE(converter.requests.at(0).showErrors);
}

TEST_F(UnattendedConversion, ARefusedFileIsNotASuccess)
{
    // The converter answers true for a file its check refuses, after showing why.
    fs::create_directory(out);
    converter.write = false;
    converter.message = "This file is not a waveform file\n\n" + source.string();
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string() });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_EQ(r.reason, "This file is not a waveform file " + source.string());
}

TEST_F(UnattendedConversion, TrueWithoutAnOutputIsNotASuccess)
{
    fs::create_directory(out);
    converter.write = false;
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string() });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_FALSE(r.reason.empty());
}

TEST_F(UnattendedConversion, FalseWithoutAMessageIsNotASuccess)
{
    fs::create_directory(out);
    converter.answer = false;
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string() });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_NE(r.reason.find("A.MEM"), std::string::npos) << r.reason;
}

TEST_F(UnattendedConversion, AnExceptionOfTheConverterIsAFailure)
{
    fs::create_directory(out);
    converter.throwError = true;
    const auto r = Run({ "/CONV", source.string(), "/DEST", out.string() });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_EQ(r.reason, "mapping failed for A.MEM");
}

TEST_F(UnattendedConversion, AMissingSourceIsReportedWithoutCallingTheConverter)
{
    const auto r = Run({ "/CONV", (dir / "missing.MEM").string(), "/DEST", out.string() });
    EXPECT_EQ(r.status, Status::Failed);
    EXPECT_EQ(r.reason, "File not found. " + (dir / "missing.MEM").string());
    EXPECT_TRUE(converter.requests.empty());
}

TEST_F(UnattendedConversion, ASwitchWithoutItsValueIsAUsageError)
{
    // "/CONV" as the last token would otherwise convert a file named "TRUE".
    for (const auto& tokens : std::vector<std::vector<std::string>> { { "/CONV" }, { "/CONV", "/TAB" }, { "-CONV", "" },
             { "/CONV", source.string(), "/DEST" }, { "/CONV", source.string(), "/DEST", "/LF" } }) {
        const auto r = Run(tokens);
        EXPECT_EQ(r.status, Status::UsageError) << tokens.size();
        EXPECT_EQ(r.ExitCode(), 2);
        EXPECT_FALSE(r.reason.empty());
    }
    EXPECT_TRUE(converter.requests.empty());
}

TEST(OneLine, JoinsTheLinesOfAMessage)
{
    EXPECT_EQ(OneLine("Unable to open the file.\n\n/a/b.MEM"), "Unable to open the file. /a/b.MEM");
    EXPECT_EQ(OneLine("  one\r\n\r\n two  \n"), "one two");
    EXPECT_EQ(OneLine(""), "");
}

} // namespace
} // namespace kp
