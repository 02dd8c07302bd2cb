#include <gtest/gtest.h>

#include "app/BatchConversion.h"
#include "export/ConvertWaveFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace kp {
namespace {

namespace fs = std::filesystem;
using test::ReadWholeFile;
using test::ScratchFolder;

fs::path Demo(const ScratchFolder& dir, const std::string& name, std::uint32_t seed = 1)
{
    const fs::path path = dir / name;
    fs::create_directories(path.parent_path());
    synth::WriteRecordingFile(synth::DemoRecording(seed, 3000), path);
    return path;
}

BatchRequest Request(std::vector<fs::path> sources, const fs::path& out, int format, int workers)
{
    BatchRequest r;
    r.sources = std::move(sources);
    r.outputFolder = out;
    r.options.format = format;
    r.workers = workers;
    return r;
}

std::vector<fs::path> Outputs(const BatchResult& result)
{
    std::vector<fs::path> out;
    for (const auto& f : result.files)
        out.push_back(f.output);
    return out;
}

class BatchConversionWorkers : public testing::TestWithParam<int> { };

TEST_P(BatchConversionWorkers, NamesFollowTheSelectionAndEveryFileEqualsItsOwnConversion)
{
    ScratchFolder dir;
    const fs::path out = dir / "out";
    fs::create_directory(out);
    const std::vector<fs::path> sources { Demo(dir, "A.MEM", 1), Demo(dir, "B.REC", 2), Demo(dir, "x/A.MEM", 3),
        Demo(dir, "C.RMS", 4) };
    NullProgress progress;
    const BatchResult first
        = RunBatchConversion(Request(sources, out, kFormatTab, GetParam()), ConvertWaveFile, progress);
    EXPECT_TRUE(first.AllConverted());
    EXPECT_EQ(
        Outputs(first), (std::vector<fs::path> { out / "A.TXT", out / "B.TXT", out / "A-000.TXT", out / "C.TXT" }));
    const BatchResult second
        = RunBatchConversion(Request(sources, out, kFormatTab, GetParam()), ConvertWaveFile, progress);
    EXPECT_EQ(Outputs(second),
        (std::vector<fs::path> { out / "A-001.TXT", out / "B-000.TXT", out / "A-002.TXT", out / "C-000.TXT" }));

    for (std::size_t i = 0; i < sources.size(); ++i) {
        ConversionRequest one;
        one.format = kFormatTab;
        one.source = sources[i];
        one.output = dir / ("single" + std::to_string(i));
        SilentMessages messages;
        ASSERT_TRUE(ConvertWaveFile(one, messages, progress));
        EXPECT_EQ(ReadWholeFile(first.files[i].output), ReadWholeFile(one.output)) << sources[i];
    }
}

INSTANTIATE_TEST_SUITE_P(OneAndMany, BatchConversionWorkers, testing::Values(1, 4));

TEST(BatchConversion, AFailedFileDoesNotStopTheOthersAndTheSummarySaysWhy)
{
    ScratchFolder dir;
    const std::vector<fs::path> sources { Demo(dir, "A.MEM"), dir.touch("B.MEM", std::string(600, 'z')),
        Demo(dir, "C.MEM") };
    std::filesystem::create_directory(dir / "out");
    NullProgress progress;
    const BatchResult result
        = RunBatchConversion(Request(sources, dir / "out", kFormatCsv, 3), ConvertWaveFile, progress);
    ASSERT_EQ(result.files.size(), 3u);
    EXPECT_EQ(result.files[0].outcome, BatchOutcome::Converted);
    EXPECT_EQ(result.files[1].outcome, BatchOutcome::Failed);
    EXPECT_EQ(result.files[2].outcome, BatchOutcome::Converted);
    EXPECT_TRUE(result.LastConverted());
    EXPECT_FALSE(fs::exists(dir / "out" / "B.CSV"));
    const std::string summary = BatchSummaryText(result);
    EXPECT_TRUE(summary.starts_with("Could not convert all files.\nConverted 2 of 3 files.\n")) << summary;
    EXPECT_NE(summary.find(sources[0].string() + " -> " + (dir / "out" / "A.CSV").string() + "\n"), std::string::npos);
    EXPECT_NE(
        summary.find(sources[1].string() + ": not converted. This file is not a waveform file " + sources[1].string()),
        std::string::npos)
        << summary;
}

TEST(BatchConversion, AFileWithEveryNumberedNameTakenIsSkipped)
{
    ScratchFolder dir;
    const fs::path source = Demo(dir, "A.MEM");
    dir.touch("out/A.CSV");
    for (int n = 0; n <= 1000; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "out/A-%03d.CSV", n);
        dir.touch(name);
    }
    NullProgress progress;
    const BatchResult result
        = RunBatchConversion(Request({ source }, dir / "out", kFormatCsv, 1), ConvertWaveFile, progress);
    EXPECT_EQ(result.files[0].outcome, BatchOutcome::NamesTaken);
    EXPECT_EQ(result.files[0].reason, "This file is already exist. " + (dir / "out" / "A.CSV").string());
    EXPECT_FALSE(result.LastConverted());
}

TEST(BatchConversion, CancelStopsTheFileInFlightAndStartsNoMore)
{
    ScratchFolder dir;
    std::atomic<int> started { 0 };
    // Converts until told to stop.
    const WaveFileConverter endless = [&](const ConversionRequest&, UserMessages&, ProgressWindow& p) {
        ++started;
        p.begin("", "", 100);
        for (int i = 0; i < 10000; ++i) {
            if (!p.step())
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    };
    RecordingMessages confirm;
    confirm.scriptAnswer(MessageAnswer::Ok);
    ScriptedProgress progress(&confirm, 2);
    const BatchResult result = RunBatchConversion(
        Request({ dir / "A.MEM", dir / "B.MEM", dir / "C.MEM" }, dir.path(), kFormatCsv, 1), endless, progress);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(started.load(), 1);
    EXPECT_EQ(result.files[0].outcome, BatchOutcome::Cancelled);
    EXPECT_EQ(result.Count(BatchOutcome::NotStarted), 2);
    EXPECT_TRUE(progress.ended());
    ASSERT_EQ(confirm.shown().size(), 1u);
    EXPECT_EQ(confirm.shown()[0].text, "Cancel?");
}

TEST(BatchConversion, ConversionsInFlightTogetherStayWithinTheMemoryBudget)
{
    ScratchFolder dir;
    const fs::path source = Demo(dir, "A.MEM");
    const std::uint64_t each = ConversionMemory(source);
    // The sample tables of one block come on top of the output buffer.
    EXPECT_GT(each, ConversionMemory(dir.touch("X.MEM", "not a recording")));
    std::atomic<int> inFlight { 0 }, peak { 0 };
    const WaveFileConverter slow = [&](const ConversionRequest&, UserMessages&, ProgressWindow&) {
        const int now = ++inFlight;
        int seen = peak.load();
        while (now > seen && !peak.compare_exchange_weak(seen, now)) { }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        --inFlight;
        return true;
    };
    NullProgress progress;
    const std::vector<fs::path> sources(24, source);
    BatchRequest request = Request(sources, dir / "out", kFormatCsv, 8);
    request.memoryBudget = each * 5 / 2;
    const BatchResult result = RunBatchConversion(request, slow, progress);
    EXPECT_TRUE(result.AllConverted()) << BatchSummaryText(result);
    EXPECT_EQ(peak.load(), 2);
    // One file above the budget still converts, alone.
    request.memoryBudget = each / 2;
    peak = 0;
    EXPECT_TRUE(RunBatchConversion(request, slow, progress).AllConverted());
    EXPECT_EQ(peak.load(), 1);
}

} // namespace
} // namespace kp
