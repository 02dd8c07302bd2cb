// `kp --trace` prints what the trace window's Copy puts on the clipboard, for
// the same cursors and settings, byte for byte, in every family.
#include "view/TraceCommand.h"
#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "infowin/CTraceWindow.h"
#include "infowin/InfoWindows.h"
#include "synth/DemoRecordings.h"

#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTabBar>

#include <gtest/gtest.h>

namespace kp {
namespace {

using test::FrameHarness;
using test::ScratchFolder;

constexpr std::int64_t kAtTrigger = -1;

struct CommandCase {
    int family;
    const char* a;
    const char* b;
    std::int64_t windowA, windowB; // kAtTrigger: the trigger point
    const char* notation;
    const char* format;
    const char* calc;
    bool unit;
    friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << "family " << c.family; }
};

class TraceCommandMatchesCopy : public ::testing::TestWithParam<CommandCase> { };

std::string WindowCopies(CTraceWindow& w)
{
    std::string text;
    QTabBar* tabs = w.Tabs();
    for (int i = 0; i < tabs->count(); ++i) {
        w.SelectTab(tabs->tabData(i).toInt());
        w.Copy();
        text += tabs->tabText(i).toStdString() + "\r\n" + QApplication::clipboard()->text().toStdString();
    }
    return text;
}

TEST_P(TraceCommandMatchesCopy, ForTheSamePositionsAndSettings)
{
    const CommandCase& c = GetParam();
    ScratchFolder dir;
    const auto path = dir / "F.MEM";
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily { c.family }, "MEM", 300, 11);
    if (c.family == 0)
        r.model = "4170"; // the family's detection refuses the sample's own model text
    synth::WriteRecordingFile(r, path);

    std::vector<std::string> tokens { "--trace", path.string(), "--a", c.a, "--b", c.b, "--notation", c.notation,
        "--format", c.format, "--calc", c.calc };
    if (c.unit)
        tokens.push_back("--unit");
    std::string out, err;
    ASSERT_EQ(RunTraceCommand(tokens, out, err), 0) << err;

    FrameHarness h;
    h.Show();
    ASSERT_TRUE(h.frame->OpenDocumentFile(test::Q(path)));
    h.frame->Windows().ShowTrace(true);
    CTraceWindow& w = h.frame->Windows().Trace();
    CKpView& view = h.frame->View();
    const ViewRecord* record = view.GetRecord();
    const std::int64_t trigger = record->hasTrigger && record->trigger >= 0 ? record->trigger : 0;
    view.SetCursors(c.windowA == kAtTrigger ? trigger : c.windowA, c.windowB == kAtTrigger ? trigger : c.windowB);
    const std::string notation = c.notation;
    for (int n = 0; n < 5; ++n) {
        if (notation == std::array { "div", "sec", "point", "trig", "date" }[static_cast<std::size_t>(n)])
            view.SetTimeNotation(static_cast<AxisNotation>(n));
    }
    const std::string format = c.format;
    w.SetNumStyle(format == "aux" ? TraceNumStyle::AuxiliaryUnit
            : format == "dec"     ? TraceNumStyle::Decimal
                                  : TraceNumStyle::Exponential);
    const std::string calc = c.calc;
    const std::array calcs { "B-A", "A-B", "A+B", "AxB", "A/B", "B/A" };
    for (std::size_t k = 0; k < calcs.size(); ++k) {
        if (calc == calcs[k])
            w.SetCalcType(static_cast<TraceCalcType>(k));
    }
    if (c.unit)
        w.ToggleUnit();

    EXPECT_EQ(out, WindowCopies(w)) << "family " << c.family;
}

// Every family once, with the settings turned so that each of them is met;
// swapped, clamped and timed positions among them.
INSTANTIATE_TEST_SUITE_P(Families, TraceCommandMatchesCopy,
    ::testing::Values(CommandCase { 0, "20", "40", 20, 40, "date", "aux", "A/B", true },
        CommandCase { 1, "250", "40", 40, 250, "point", "aux", "B-A", false },
        CommandCase { 2, "7", "9999", 7, 299, "sec", "dec", "A-B", true },
        CommandCase { 3, "-3", "120", 0, 120, "trig", "exp", "A+B", false },
        CommandCase { 4, "12", "299", 12, 299, "div", "aux", "AxB", true },
        CommandCase { 5, "0s", "150", kAtTrigger, 150, "date", "dec", "A/B", false },
        CommandCase { 6, "100", "100", 100, 100, "point", "exp", "B/A", true },
        CommandCase { 7, "60", "0", 0, 60, "sec", "aux", "B-A", false },
        CommandCase { 8, "33", "66", 33, 66, "trig", "dec", "A-B", true },
        CommandCase { 9, "150", "5", 5, 150, "div", "exp", "AxB", false }),
    [](const auto& info) { return "Family" + std::to_string(info.param.family); });

// The JSON of the real executable reads back into the window's texts and
// their numbers.
TEST(TraceCommandJson, ParsesBackIntoTheWindowsTextsAndNumbers)
{
    ScratchFolder dir;
    const auto path = dir / "D.MEM";
    synth::WriteRecordingFile(synth::FamilySampleRecording(HeaderFamily::Family6, "MEM", 200, 3), path);
    QProcess kp;
    kp.start(KP_EXECUTABLE, { "--trace", test::Q(path), "--a", "12", "--b", "30", "--json" });
    ASSERT_TRUE(kp.waitForFinished(30000));
    ASSERT_EQ(kp.exitCode(), 0) << kp.readAllStandardError().toStdString();
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(kp.readAllStandardOutput(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(o["a"].toObject()["point"].toInt(), 12);
    EXPECT_EQ(o["b"].toObject()["point"].toInt(), 30);

    std::string out, err;
    ASSERT_EQ(RunTraceCommand({ "--trace", path.string(), "--a", "12", "--b", "30" }, out, err), 0);
    const QJsonArray lists = o["lists"].toArray();
    ASSERT_GE(lists.size(), 3);
    for (const QJsonValue& v : lists) {
        const QJsonObject list = v.toObject();
        const std::string title = list["title"].toString().toStdString();
        const bool statistics = title == "Statistics";
        for (const QJsonValue& rv : list["rows"].toArray()) {
            const QJsonObject row = rv.toObject();
            std::string line;
            for (const QJsonValue& cell : row["texts"].toArray())
                line += (line.empty() ? "" : "\t") + cell.toString().toStdString();
            // Each row is a line of the text output.
            EXPECT_NE(out.find("\r\n" + line + "\r\n"), std::string::npos) << title << ": " << line;
            if (statistics) {
                EXPECT_LE(row["min"].toDouble(), row["mean"].toDouble());
                EXPECT_DOUBLE_EQ(row["p-p"].toDouble(), row["max"].toDouble() - row["min"].toDouble());
            } else if (title == "Analog" && !row["channel"].toString().isEmpty()) {
                EXPECT_TRUE(row["a"].isDouble() && row["b"].isDouble() && row["calculation"].isDouble());
                EXPECT_DOUBLE_EQ(row["calculation"].toDouble(), row["b"].toDouble() - row["a"].toDouble());
            }
        }
    }
    EXPECT_TRUE(lists.last().toObject()["probes"].isArray());
}

} // namespace
} // namespace kp
