// `kp --info`: the reasons it gives for a command line it cannot carry out
// and for a file it cannot open, and rows that a damaged text cannot split.
#include "view/InfoCommand.h"
#include "support/ScratchFolder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "view/PropertyTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace kp {
namespace {

using test::ScratchFolder;

TEST(InfoArguments, UsageErrorsExitWithTwoAndSayWhy)
{
    struct Case {
        std::vector<std::string> tokens;
        const char* reason;
    };
    const Case cases[] = {
        { { "--info" }, "--info needs a value" },
        { { "--info", "--json" }, "--info needs a value" },
        { { "--json", "--info=" }, "--info needs a recording" },
        { { "--info", "A.MEM", "B.MEM" }, "--info does not take B.MEM" },
        { { "--info", "A.MEM", "--json=yes" }, "--json takes no value" },
        { { "--info", "A.MEM", "--notation", "hours" }, "--notation takes div, sec, point, trig or date, not hours" },
        { { "--info", "A.MEM", "--a", "3" }, "--a does not go with --info" },
    };
    for (const Case& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunInfoCommand(c.tokens, out, err), 2) << c.reason;
        EXPECT_EQ(err, "kp: " + std::string(c.reason) + " (see kp --help)\n");
        EXPECT_TRUE(out.empty());
    }
}

TEST(InfoCommand, AFileItCannotOpenExitsWithOneAndSaysWhy)
{
    ScratchFolder dir;
    const auto text = dir / "NOTES.MEM";
    std::ofstream(text) << "not a recording\n";
    const auto empty = dir / "EMPTY.MEM";
    synth::WriteRecordingFile(synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 0, 5), empty);
    for (const auto& file : { dir / "NONE.MEM", text, empty }) {
        std::string out, err;
        EXPECT_EQ(RunInfoCommand({ "--info", file.string(), "--json" }, out, err), 1) << file;
        const std::string prefix = "kp: " + file.string() + ": ";
        EXPECT_TRUE(err.starts_with(prefix) && err.size() > prefix.size() + 1) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_TRUE(out.empty());
    }
}

// A header text holding line ends and tabs stays in its cell: one line per
// row in the text, the text itself in the JSON.
TEST(InfoCommand, ControlCharactersInATextCannotSplitARow)
{
    ScratchFolder dir;
    const auto path = dir / "C.MEM";
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 40, 2);
    r.mainFields[propertyfield::kTrigSource] = "C\nH\t2\r";
    synth::WriteRecordingFile(r, path);
    std::string out, err;
    ASSERT_EQ(RunInfoCommand({ "--info", path.string() }, out, err), 0) << err;
    EXPECT_NE(out.find("\nTrig Source\tC H 2\n"), std::string::npos) << out;
    ASSERT_EQ(RunInfoCommand({ "--info", path.string(), "--json" }, out, err), 0) << err;
    EXPECT_NE(out.find(R"(["Trig Source","C\u000aH\u00092"])"), std::string::npos) << out;
}

} // namespace
} // namespace kp
