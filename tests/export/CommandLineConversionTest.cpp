// "kp /CONV FILE [/DEST DIR] [switches]" end to end: the built executable
// converts real recordings, and its exit status tells whether it did.

#include "app/CKpCommandLineInfo.h"
#include "app/KpSettings.h"
#include "app/UnattendedConversion.h"
#include "export/ConvertWaveFile.h"
#include "export/ExportRecordings.h"
#include "platform/ProgressWindow.h"
#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"
#include "wavefile/CWaveHeadInfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace kp {
namespace {

namespace fs = std::filesystem;

class CommandLineConversion : public testing::Test {
protected:
    CommandLineConversion()
    {
        fs::create_directories(dir / "data");
        source = test::WriteExportRecording(test::ExportFamily1(points), dir / "data" / "A.MEM");
        fs::create_directories(out());
    }
    void SetUp() override { KP_SKIP_WITHOUT_POSIX_SHELL(); }

    test::ChildResult Kp(std::vector<std::string> arguments)
    {
        return test::RunChild(KP_EXECUTABLE, arguments, dir.path(),
            { "-DISPLAY", "-WAYLAND_DISPLAY", "QT_QPA_PLATFORM=", "XDG_CONFIG_HOME=" + (dir / "config").string(),
                "LC_ALL=C" });
    }
    test::ChildResult Convert(std::vector<std::string> switches)
    {
        std::vector<std::string> arguments { "/CONV", source.string(), "/DEST", out().string() };
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        return Kp(arguments);
    }
    fs::path out() const { return dir / "out"; }
    std::string Read(const std::string& name) const { return test::ReadWholeFile(out() / name); }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(out()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The names `runs` conversions one after another choose, sorted.
    static std::vector<std::string> SequentialNames(int runs)
    {
        std::vector<std::string> names { "A.CSV" };
        for (int i = 0; i + 1 < runs; ++i)
            names.push_back("A-00" + std::to_string(i) + ".CSV");
        std::sort(names.begin(), names.end());
        return names;
    }
    static long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }
    // Data rows: lines that start with a number.
    static long Rows(const std::string& text)
    {
        long rows = 0;
        std::size_t start = 0;
        while (start < text.size()) {
            const char c = text[start];
            if (c == '-' || c == '+' || (c >= '0' && c <= '9'))
                ++rows;
            const std::size_t end = text.find('\n', start);
            start = end == std::string::npos ? text.size() : end + 1;
        }
        return rows;
    }

    static constexpr std::int64_t points = 25000;
    test::ScratchFolder dir;
    fs::path source;
};

TEST_F(CommandLineConversion, ConvertsAndExitsZeroWithNothingOnStderr)
{
    const auto r = Convert({});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, ""); // no progress bar when stderr is not a terminal
    EXPECT_EQ(Files(), std::vector<std::string> { "A.CSV" });
    const std::string text = Read("A.CSV");
    EXPECT_EQ(Rows(text), points);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n"); // CR LF unless /LF
    EXPECT_NE(text.find("\"Time[s]\",\"CH1[V]\",\"CH3[mV]\""), std::string::npos);
}

TEST_F(CommandLineConversion, TheFormatGroupIsDecidedByListOrder)
{
    ASSERT_EQ(Convert({ "/SPACE", "/CSV" }).exitCode, 0);
    EXPECT_EQ(Files(), std::vector<std::string> { "A.TXT" });
    EXPECT_NE(Read("A.TXT").find("\"Time[s]\" \"CH1[V]\" \"CH3[mV]\""), std::string::npos);
}

TEST_F(CommandLineConversion, ThinOutOutsideItsLimitsMeansOne)
{
    for (const char* value : { "0", "abc", "20000" }) {
        ASSERT_EQ(Convert({ "/THINOUT", value, "/NOHEAD" }).exitCode, 0) << value;
        fs::path written = out() / "A.CSV";
        EXPECT_EQ(Rows(test::ReadWholeFile(written)), points) << value;
        fs::remove(written);
    }
    ASSERT_EQ(Convert({ "/THINOUT", "10000", "/NOHEAD" }).exitCode, 0);
    EXPECT_EQ(Rows(Read("A.CSV")), 3); // points 0, 10000, 20000
}

TEST_F(CommandLineConversion, NoHeadKeepsTheTimeColumnUnlessAskedToDropIt)
{
    ASSERT_EQ(Convert({ "/NOHEAD", "/LF", "/POINT" }).exitCode, 0);
    const std::string withTime = Read("A.CSV");
    EXPECT_EQ(Lines(withTime), points);
    EXPECT_EQ(withTime.substr(0, withTime.find('\n')), "-6250,-7.81250e-001,+2.50000e-001,0,0,0,0");
    fs::remove(out() / "A.CSV");

    ASSERT_EQ(Convert({ "/NOHEAD", "/NOTIMEVALUE", "/LF" }).exitCode, 0);
    const std::string valuesOnly = Read("A.CSV");
    EXPECT_EQ(Lines(valuesOnly), points);
    EXPECT_EQ(valuesOnly.substr(0, valuesOnly.find('\n')), "-7.81250e-001,+2.50000e-001,0,0,0,0");
}

TEST_F(CommandLineConversion, RepeatedConversionsGetNumberedNames)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Convert({ "/NOHEAD" }).exitCode, 0);
    EXPECT_EQ(Files(), (std::vector<std::string> { "A-000.CSV", "A-001.CSV", "A.CSV" }));
    EXPECT_EQ(Read("A-001.CSV"), Read("A.CSV"));
}

TEST_F(CommandLineConversion, DestWithOrWithoutTrailingSeparatorIsTheSameFolder)
{
    ASSERT_EQ(Kp({ "/CONV", source.string(), "/DEST", out().string() + "/", "/NOHEAD" }).exitCode, 0);
    ASSERT_EQ(Kp({ "/CONV", source.string(), "/DEST", out().string(), "/NOHEAD" }).exitCode, 0);
    EXPECT_EQ(Files(), (std::vector<std::string> { "A-000.CSV", "A.CSV" }));
}

TEST_F(CommandLineConversion, ARefusedSourceExitsNonZeroAndWritesNothing)
{
    const fs::path notes = dir.touch("data/NOTES.MEM", std::string(2048, 'n'));
    const auto r = Kp({ "/CONV", notes.string(), "/DEST", out().string() });
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_TRUE(Files().empty());
}

TEST_F(CommandLineConversion, EveryRecordingNamedConvertsInOrderAndEachFailureHasItsLine)
{
    fs::copy_file(source, dir / "data" / "C.MEM");
    const fs::path missing = dir / "data" / "B.MEM";
    const fs::path notes = dir.touch("data/D.MEM", std::string(2048, 'n'));
    const auto r = Kp({ "/CONV", source.string(), missing.string(), (dir / "data" / "C.MEM").string(), notes.string(),
        "/DEST", out().string(), "/LF" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Files(), (std::vector<std::string> { "A.CSV", "C.CSV" }));
    EXPECT_EQ(Read("C.CSV"), Read("A.CSV"));
    ASSERT_EQ(Lines(r.err), 2) << r.err;
    EXPECT_LT(r.err.find(missing.string()), r.err.find(notes.string())) << r.err;
}

TEST_F(CommandLineConversion, ACutShortRecordingConvertsWhatItHoldsAndSaysSo)
{
    ASSERT_EQ(Convert({ "/LF" }).exitCode, 0);
    const std::string complete = Read("A.CSV");
    fs::remove(out() / "A.CSV");
    const std::string text0 = test::ReadWholeFile(source);
    const std::vector<std::uint8_t> bytes(text0.begin(), text0.end());
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(bytes));
    const std::uint64_t frame = (bytes.size() - head.GetHeaderSize()) / points;
    // Cut inside point 12,345: the points before it are whole.
    fs::resize_file(source, head.GetHeaderSize() + 12345 * frame + frame / 2);
    const auto r = Convert({ "/LF" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "kp: cut short: 12,345 of 25,000 points converted: " + source.string() + "\n");
    const std::string text = Read("A.CSV");
    EXPECT_EQ(Rows(text), 12345);
    EXPECT_EQ(complete.compare(0, text.size(), text), 0);
}

TEST_F(CommandLineConversion, RunsSideBySideEachWriteTheirOwnFile)
{
    ASSERT_EQ(Convert({ "/LF" }).exitCode, 0);
    const std::string single = Read("A.CSV");
    fs::remove(out() / "A.CSV");
    constexpr int kRuns = 8;
    std::string script;
    for (int i = 0; i < kRuns; ++i)
        script += test::ShellQuote(KP_EXECUTABLE) + " /CONV " + test::ShellQuote(source.string()) + " /DEST "
            + test::ShellQuote(out().string()) + " /LF & ";
    script += "wait";
    const auto r = test::RunChild("/bin/sh", { "-c", script }, dir.path(),
        { "-DISPLAY", "-WAYLAND_DISPLAY", "QT_QPA_PLATFORM=", "XDG_CONFIG_HOME=" + (dir / "config").string(),
            "LC_ALL=C" });
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(Files(), SequentialNames(kRuns));
    for (const std::string& name : Files())
        EXPECT_EQ(Read(name), single) << name;
}

TEST_F(CommandLineConversion, ConversionsOnThreadsSideBySideEachWriteTheirOwnFile)
{
    ASSERT_EQ(Convert({ "/LF" }).exitCode, 0);
    const std::string single = Read("A.CSV");
    fs::remove(out() / "A.CSV");
    constexpr int kRuns = 8;
    std::vector<UnattendedResult> results(kRuns);
    std::vector<std::thread> threads;
    for (int i = 0; i < kRuns; ++i)
        threads.emplace_back([&, i] {
            CKpCommandLineInfo info;
            info.ParseCommandLine({ "/CONV", source.string(), "/DEST", out().string(), "/LF" });
            KpSettings settings;
            NullProgress progress;
            results[static_cast<std::size_t>(i)] = RunUnattendedConversion(info, settings, ConvertWaveFile, progress);
        });
    for (std::thread& t : threads)
        t.join();
    std::vector<std::string> written;
    for (const UnattendedResult& r : results) {
        EXPECT_EQ(r.status, UnattendedResult::Status::Converted) << r.reason;
        written.push_back(r.output.filename().string());
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, Files());
    EXPECT_EQ(Files(), SequentialNames(kRuns));
    for (const std::string& name : Files())
        EXPECT_EQ(Read(name), single) << name;
}

#if defined(KP_WITH_GUI)
TEST_F(CommandLineConversion, TabAndLfBecomeTheNextDefaults)
{
    ASSERT_EQ(Convert({ "/TAB", "/LF", "/NOHEAD" }).exitCode, 0);
    const std::string text = Read("A.TXT");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.substr(0, text.find('\n')), "-4.8828125e+001\t-7.81250e-001\t+2.50000e-001\t0\t0\t0\t0");
    const std::string stored = test::ReadWholeFile(dir / "config" / "Voranwerk" / "Kp.conf");
    EXPECT_NE(stored.find("SaveFormat=2"), std::string::npos) << stored;
    EXPECT_NE(stored.find("SaveNewLine=0"), std::string::npos) << stored;
}
#endif

} // namespace
} // namespace kp
