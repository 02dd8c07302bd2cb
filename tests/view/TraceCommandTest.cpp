// `kp --trace`: reading its command line, placing the cursors, and the
// reasons it gives for a recording it cannot measure.
#include "view/TraceCommand.h"
#include "support/ScratchFolder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kp {
namespace {

using test::ScratchFolder;

TEST(TracePosition, ReadsPointsAndTimesWithTheirPrefixes)
{
    struct Case {
        const char* text;
        bool valid, isTime;
        std::int64_t point;
        double seconds;
    };
    const Case cases[] = {
        { "125", true, false, 125, 0 },
        { "+3", true, false, 3, 0 },
        { "-7", true, false, -7, 0 },
        { "1.5ms", true, true, 0, 1.5e-3 },
        { "-2s", true, true, 0, -2.0 },
        { "250us", true, true, 0, 250e-6 },
        { "4\xC2\xB5s", true, true, 0, 4e-6 },
        { "1e-3s", true, true, 0, 1e-3 },
        { "1.5", false, false, 0, 0 },
        { "5ms5", false, false, 0, 0 },
        { "", false, false, 0, 0 },
        { "ms", false, false, 0, 0 },
        { "99999999999999999999", false, false, 0, 0 },
    };
    for (const Case& c : cases) {
        const auto p = ParseTracePosition(c.text);
        ASSERT_EQ(p.has_value(), c.valid) << c.text;
        if (!p)
            continue;
        EXPECT_EQ(p->isTime, c.isTime) << c.text;
        EXPECT_EQ(p->point, c.point) << c.text;
        EXPECT_DOUBLE_EQ(p->seconds, c.seconds) << c.text;
    }
}

TEST(TraceCursorPlacement, ClampsToTheRecordAndKeepsAFirst)
{
    auto point = [](std::int64_t p) { return TracePosition { false, p, 0.0 }; };
    auto time = [](double s) { return TracePosition { true, 0, s }; };
    struct Case {
        TracePosition a, b;
        std::int64_t wantA, wantB;
    };
    // 1000 points, trigger at 100, 1 ms apart.
    const Case cases[] = {
        { point(10), point(20), 10, 20 },
        { point(20), point(10), 10, 20 },
        { point(-5), point(5000), 0, 999 },
        { time(0.0), time(1.5e-3), 100, 102 },
        { time(-1.0), time(1e9), 0, 999 },
        { time(0.25), point(3), 3, 350 },
    };
    for (const Case& c : cases) {
        const TraceCursors got = PlaceTraceCursors(c.a, c.b, 100, 1e-3, 1000);
        EXPECT_EQ(got.a, c.wantA);
        EXPECT_EQ(got.b, c.wantB);
    }
}

TEST(TraceArguments, ReadsEveryOptionInBothForms)
{
    const TraceArguments r = ParseTraceArguments({ "--trace", "A.MEM", "--a=5", "--b", "1ms", "--lf", "--unit",
        "--notation", "SEC", "--format=exp", "--calc", "AxB", "--tab", "statistics", "--json" });
    ASSERT_TRUE(r.request) << r.error;
    EXPECT_EQ(r.request->file, "A.MEM");
    EXPECT_EQ(r.request->a.point, 5);
    EXPECT_TRUE(r.request->b.isTime);
    EXPECT_TRUE(r.request->lf && r.request->json && r.request->options.format.withUnit);
    EXPECT_EQ(r.request->notation, 1);
    EXPECT_EQ(r.request->options.format.style, TraceNumStyle::Exponential);
    EXPECT_EQ(r.request->options.calc, TraceCalcType::ATimesB);
    EXPECT_EQ(r.request->tab, kStatisticsTab);
}

TEST(TraceArguments, UsageErrorsExitWithTwoAndSayWhy)
{
    struct Case {
        std::vector<std::string> tokens;
        const char* reason;
    };
    const Case cases[] = {
        { { "--trace", "A.MEM", "--a", "1" }, "--trace needs both cursors, --a and --b" },
        { { "--trace", "--a", "1", "--b", "2" }, "--trace needs a value" },
        { { "--a", "1", "--b", "2", "--trace" }, "--trace needs a value" },
        { { "--trace", "A.MEM", "--a", "1.5", "--b", "2" }, "--a takes a point or a time such as 1.5ms, not 1.5" },
        { { "--trace", "A.MEM", "--a", "1", "--b", "2", "--calc", "AB" },
            "--calc takes B-A, A-B, A+B, AxB, A/B or B/A, not AB" },
        { { "--trace", "A.MEM", "--a", "1", "--b", "2", "--tab", "gauge" },
            "--tab takes analog, pulse, logic, alarm, calc or statistics, not gauge" },
        { { "--trace", "A.MEM", "--a", "1", "--b", "2", "--lf=yes" }, "--lf takes no value" },
        { { "--trace", "A.MEM", "--a", "1", "--b", "2", "--screenshot", "x" },
            "--screenshot does not go with --trace" },
        { { "--trace", "A.MEM", "--a", "1", "--b", "2", "extra" }, "--trace does not take extra" },
    };
    for (const Case& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunTraceCommand(c.tokens, out, err), 2) << c.reason;
        EXPECT_EQ(err, "kp: " + std::string(c.reason) + " (see kp --help)\n");
        EXPECT_TRUE(out.empty());
    }
}

TEST(TraceCommand, ARecordingItCannotMeasureExitsWithOne)
{
    ScratchFolder dir;
    const auto text = dir / "NOTES.MEM";
    std::ofstream(text) << "not a recording\n";
    const auto cut = dir / "CUT.MEM";
    synth::WriteRecordingFile(synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 400, 5), cut);
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 300);

    std::string out, err;
    EXPECT_EQ(RunTraceCommand({ "--trace", (dir / "NONE.MEM").string(), "--a", "0", "--b", "1" }, out, err), 1);
    EXPECT_TRUE(err.starts_with("kp: " + (dir / "NONE.MEM").string() + ": ")) << err;
    EXPECT_EQ(RunTraceCommand({ "--trace", text.string(), "--a", "0", "--b", "1" }, out, err), 1);
    EXPECT_TRUE(out.empty());
    // Within the points the file still holds the cut recording is measured;
    // beyond them it is refused rather than clamped onto what is left.
    EXPECT_EQ(RunTraceCommand({ "--trace", cut.string(), "--a", "0", "--b", "10" }, out, err), 0) << err;
    EXPECT_TRUE(out.starts_with("Analog\r\n"));
    out.clear();
    EXPECT_EQ(RunTraceCommand({ "--trace", cut.string(), "--a", "0", "--b", "399" }, out, err), 1);
    EXPECT_TRUE(err.find("cut short") != std::string::npos) << err;
    EXPECT_TRUE(out.empty());
}

} // namespace
} // namespace kp
