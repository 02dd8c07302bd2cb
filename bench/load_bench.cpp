// Loading a large family-1 recording (16 channels x 10,000,000 points, 320 MB
// of samples) three ways in one run:
//   Load      the document's open: recognition, header, allocation, decode;
//   Classic   one value per call through a 4096-byte buffered stream, the
//             straightforward reader the loader replaces;
//   Memcpy    a plain copy of the same sample bytes out of the mapped file,
//             the ceiling for any loader.
// After the runs it prints MB/s, the speed-up over the classic reader and the
// fraction of copy speed, then measures the peak memory of one load in a
// fresh process (`load_bench --peak-rss FILE`).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/MappedFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/CWaveHeadInfo.h"

namespace {

constexpr int kChannels = 16;
constexpr std::int64_t kPoints = 10'000'000;
constexpr std::uint64_t kSampleBytes = std::uint64_t { kChannels } * kPoints * 2;

struct BenchFile {
    std::filesystem::path folder;
    std::filesystem::path path;
    std::uint64_t headerSize = 0;

    BenchFile()
    {
        folder = std::filesystem::temp_directory_path() / ("kp-load-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        path = folder / "BENCH.MEM";
        kp::synth::WriteRecordingFile(kp::synth::WaveformRecording(kChannels, 0, kPoints, 7), path);
        kp::MappedFile file;
        file.open(path);
        kp::CWaveHeadInfo head;
        head.Load(file.bytes());
        headerSize = head.GetHeaderSize();
    }
    ~BenchFile()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

BenchFile& File()
{
    static BenchFile file;
    return file;
}

void BM_Load(benchmark::State& state)
{
    const auto& path = File().path;
    for (auto _ : state) {
        kp::SilentMessages messages;
        kp::NullProgress progress;
        kp::CBlockFileList blockFiles;
        auto doc = std::make_unique<kp::CKpDoc>(messages, progress, blockFiles);
        if (!doc->OnOpenDocument(path))
            state.SkipWithError(("load failed: " + messages.lastText()).c_str());
        benchmark::DoNotOptimize(doc->GetAnalog(kChannels - 1).primary.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSampleBytes));
}

// The classic reader: a buffered stream of 4096 bytes, one call per value.
class ClassicArchive {
public:
    explicit ClassicArchive(const std::filesystem::path& path)
        : in_(path, std::ios::binary)
    {
        in_.rdbuf()->pubsetbuf(buffer_, sizeof buffer_);
    }
    void Seek(std::uint64_t offset) { in_.seekg(static_cast<std::streamoff>(offset)); }
    std::uint16_t ReadShort()
    {
        char b[2];
        in_.read(b, 2);
        return static_cast<std::uint16_t>((static_cast<std::uint8_t>(b[0]) << 8) | static_cast<std::uint8_t>(b[1]));
    }
    bool Good() const { return in_.good(); }

private:
    char buffer_[4096];
    std::ifstream in_;
};

void BM_Classic(benchmark::State& state)
{
    const auto& file = File();
    for (auto _ : state) {
        std::vector<std::vector<std::uint16_t>> channels(kChannels, std::vector<std::uint16_t>(kPoints));
        auto archive = std::make_unique<ClassicArchive>(file.path);
        archive->Seek(file.headerSize);
        for (std::int64_t p = 0; p < kPoints; ++p)
            for (int c = 0; c < kChannels; ++c)
                channels[c][p] = archive->ReadShort();
        if (!archive->Good())
            state.SkipWithError("classic read failed");
        benchmark::DoNotOptimize(channels.back().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSampleBytes));
}

void BM_Memcpy(benchmark::State& state)
{
    const auto& file = File();
    for (auto _ : state) {
        kp::MappedFile mapped;
        mapped.open(file.path);
        std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[kSampleBytes]);
        std::memcpy(copy.get(), mapped.bytes().data() + file.headerSize, kSampleBytes);
        benchmark::DoNotOptimize(copy.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSampleBytes));
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Classic)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Remembers each benchmark's real and CPU seconds per iteration for the
// summary. On a shared machine the CPU time (user and system time of the
// process) is the steadier measure; both are printed.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations <= 0)
                continue;
            const auto n = static_cast<double>(run.iterations);
            real_[run.run_name.function_name] = run.real_accumulated_time / n;
            cpu_[run.run_name.function_name] = run.cpu_accumulated_time / n;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& real() const { return real_; }
    const std::map<std::string, double>& cpu() const { return cpu_; }

private:
    std::map<std::string, double> real_, cpu_;
};

void PrintSummary(const char* clock, const std::map<std::string, double>& seconds)
{
    auto mbps = [&](const char* name) {
        return seconds.contains(name) && seconds.at(name) > 0 ? kSampleBytes / 1e6 / seconds.at(name) : 0.0;
    };
    const double load = mbps("BM_Load"), classic = mbps("BM_Classic"), copy = mbps("BM_Memcpy");
    std::printf("%s time, %.0f MB of samples: load %.0f MB/s, classic reader %.0f MB/s, memcpy %.0f MB/s", clock,
        kSampleBytes / 1e6, load, classic, copy);
    if (classic > 0 && copy > 0)
        std::printf("; load / classic = %.2fx, load / memcpy = %.2f", load / classic, load / copy);
    std::printf("\n");
}

long StatusKiB(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + std::strlen(key), nullptr, 10);
    return -1;
}

// One load in this (fresh) process: peak resident memory against the arrays.
int PeakRss(const char* path)
{
    const long before = StatusKiB("VmHWM:");
    kp::SilentMessages messages;
    kp::NullProgress progress;
    kp::CBlockFileList blockFiles;
    auto doc = std::make_unique<kp::CKpDoc>(messages, progress, blockFiles);
    if (!doc->OnOpenDocument(path)) {
        std::fprintf(stderr, "load failed: %s\n", messages.lastText().c_str());
        return 1;
    }
    const long peak = StatusKiB("VmHWM:");
    std::uint64_t arrays = 0;
    for (int c = 0; c < kp::kAnalogSlots; ++c)
        arrays += doc->GetAnalog(c).primary.size() * 2 + doc->GetAnalog(c).secondary.size() * 2;
    const double arraysMiB = static_cast<double>(arrays) / (1 << 20);
    const double peakMiB = static_cast<double>(peak) / 1024;
    std::printf("peak RSS of one load: %.1f MiB (process before the load: %.1f MiB); sample arrays %.1f MiB; "
                "peak is %.1f%% above the arrays\n",
        peakMiB, static_cast<double>(before) / 1024, arraysMiB, 100.0 * (peakMiB / arraysMiB - 1));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--peak-rss") == 0)
        return PeakRss(argv[2]);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    File();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    PrintSummary("real", reporter.real());
    PrintSummary("CPU", reporter.cpu());

    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = "'" + self + "' --peak-rss '" + File().path.string() + "'";
    const int rc = std::system(command.c_str());
    benchmark::Shutdown();
    return rc == 0 ? 0 : 1;
}
