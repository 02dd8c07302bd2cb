// The unattended road through the built executable, as a script would run
// it: no display, its own settings folder, and only the exit status and
// standard error to go by.
#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"

#include <algorithm>

namespace kp {
namespace {

namespace fs = std::filesystem;

class KpExecutable : public testing::Test {
protected:
    void SetUp() override { KP_SKIP_WITHOUT_POSIX_SHELL(); }
    test::ChildResult Run(const std::vector<std::string>& arguments)
    {
        return test::RunChild(KP_EXECUTABLE, arguments, dir.path(),
            { "-DISPLAY", "-WAYLAND_DISPLAY", "QT_QPA_PLATFORM=", "XDG_CONFIG_HOME=" + config().string(), "LC_ALL=C" });
    }
    fs::path config() const { return dir / "config"; }
    std::string StoredSettings() const { return test::ReadWholeFile(config() / "Voranwerk" / "Kp.conf"); }

    static long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

    test::ScratchFolder dir;
};

TEST_F(KpExecutable, PrintsItsVersionAndUsage)
{
    const auto version = Run({ "--version" });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("Kp ") + KP_VERSION + "\n");

    const auto help = Run({ "--help" });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("/CONV"), std::string::npos);
    EXPECT_NE(help.out.find("/NOTIMEVALUE"), std::string::npos);
    EXPECT_NE(help.out.find("kp /CONV /data/A.MEM /DEST /out /TAB /LF"), std::string::npos);
    EXPECT_NE(help.out.find("--screenshot OUT.png FILE"), std::string::npos);
    EXPECT_TRUE(help.err.empty());
}

// On every road, before any window, display or conversion.
TEST_F(KpExecutable, AnUnknownLongOptionIsAUsageError)
{
    const std::string file = dir.touch("A.MEM").string();
    for (const std::vector<std::string>& line :
        std::vector<std::vector<std::string>> { { "--bogus", file }, { file, "--verbose=2" },
            { "--bogus", "--screenshot", "x.png" }, { "/CONV", file, "--tabs" }, { "--help", "--halp" } }) {
        const auto r = Run(line);
        EXPECT_EQ(r.exitCode, 2) << line[0];
        EXPECT_EQ(Lines(r.err), 1) << r.err;
        EXPECT_EQ(r.err.rfind("kp: unknown option --", 0), 0u) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_FALSE(fs::exists(dir / "x.png"));
    EXPECT_FALSE(fs::exists(config()));

    // Its value would otherwise be taken for the file to open.
    const auto r = Run({ "--screen-size", "800x600" });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--screenshot"), std::string::npos) << r.err;
}

TEST_F(KpExecutable, AMissingSourceFailsWithOneLine)
{
    fs::create_directory(dir / "out");
    const auto r = Run({ "/CONV", (dir / "nothing.MEM").string(), "/DEST", (dir / "out").string() });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_EQ(r.err.rfind("kp: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("nothing.MEM"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(dir / "out"));
    EXPECT_TRUE(r.out.empty());
}

TEST_F(KpExecutable, ConvWithoutAFileIsAUsageError)
{
    const auto r = Run({ "-CONV" });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(Lines(r.err), 1) << r.err;
}

TEST_F(KpExecutable, AllOutputNamesTakenWritesNothing)
{
    const fs::path source = dir.touch("A.MEM");
    dir.touch("out/A.TXT");
    for (int n = 0; n <= 1000; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "out/A-%03d.TXT", n);
        dir.touch(name);
    }
    const auto r = Run({ "-CONV", source.string(), "-DEST", (dir / "out").string(), "-SPACE" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("all output names exist"), std::string::npos) << r.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()), 1002);
}

// Like the measurement, the header listing runs without a display and leaves
// the settings alone; what it cannot do it says on one line.
TEST_F(KpExecutable, ListsTheHeaderOrSaysWhyNot)
{
    const std::string good = (dir / "G.MEM").string();
    synth::WriteRecordingFile(synth::FamilySampleRecording(HeaderFamily::Family2, "MEM", 30, 1), good);
    const std::string missing = (dir / "NONE.MEM").string();
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string err; // the whole line, or its start ending in ": "
    };
    const Case cases[] = {
        { { "--info", good }, 0, "" },
        { { "--info", missing, "--json" }, 1, "kp: " + missing + ": " },
        { { "--info" }, 2, "kp: --info needs a value (see kp --help)\n" },
        { { "--info", good, "--bogus" }, 2, "kp: unknown option --bogus (see kp --help)\n" },
        { { good, "--json" }, 2, "kp: --json goes with --trace or --info (see kp --help)\n" },
        { { "--info", good, "--lf" }, 2, "kp: --lf does not go with --info (see kp --help)\n" },
    };
    for (const Case& c : cases) {
        const auto r = Run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments.back();
        if (c.err.ends_with(": "))
            EXPECT_TRUE(r.err.starts_with(c.err) && Lines(r.err) == 1) << r.err;
        else
            EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out.starts_with("Properties - G.MEM\n"), c.exitCode == 0) << r.out;
    }
    EXPECT_FALSE(fs::exists(config()));
}

#if defined(KP_WITH_GUI)
TEST_F(KpExecutable, TheViewerWithoutADisplaySaysWhatToDo)
{
    // Qt would abort the process; the viewer refuses to start instead.
    const auto r = Run({ dir.touch("A.MEM").string() });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("/CONV"), std::string::npos) << r.err;
}

TEST_F(KpExecutable, StoresTheFormatAndNewlineWithoutADisplay)
{
    Run({ "/CONV", (dir / "nothing.MEM").string(), "/TAB", "/LF" });
    const std::string stored = StoredSettings();
    EXPECT_NE(stored.find("[Save]"), std::string::npos) << stored;
    EXPECT_NE(stored.find("SaveFormat=2"), std::string::npos) << stored;
    EXPECT_NE(stored.find("SaveNewLine=0"), std::string::npos) << stored;
    // Colours it never computed stay unwritten, so the viewer keeps taking
    // the desktop's.
    EXPECT_EQ(stored.find("Color"), std::string::npos) << stored;

    Run({ "/CONV", (dir / "nothing.MEM").string(), "/SPACE", "/CRLF" });
    const std::string again = StoredSettings();
    EXPECT_NE(again.find("SaveFormat=1"), std::string::npos) << again;
    EXPECT_NE(again.find("SaveNewLine=1"), std::string::npos) << again;
}
#endif

} // namespace
} // namespace kp
