// Batch conversion: 64 recordings (family 1, 8 analog channels and 4 logic
// units, 200,000 points each by default) converted to CSV
//   - by the batch, side by side on all cores,
//   - and by the same batch on one worker, one file after another,
// into a scratch folder. Prints both times and their ratio; every output of
// the parallel run is compared with its one-after-another twin.
//
//   batch_bench [--files N] [--points P] [--dir DIR] [--rounds R]
//
// Not a test: run it by hand.

#include "app/BatchConversion.h"
#include "export/ConvertWaveFile.h"
#include "platform/LocaleInfo.h"
#include "platform/ProgressWindow.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

double Run(kp::BatchRequest request, const fs::path& out, int workers, kp::BatchResult& result)
{
    fs::remove_all(out);
    fs::create_directories(out);
    request.outputFolder = out;
    request.workers = workers;
    kp::NullProgress progress;
    const auto start = std::chrono::steady_clock::now();
    result = kp::RunBatchConversion(request, kp::ConvertWaveFile, progress);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    int files = 64;
    int rounds = 3;
    std::int64_t points = 200000;
    fs::path dir = fs::temp_directory_path() / "kp-batch-bench";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--files"))
            files = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--points"))
            points = std::atoll(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--dir"))
            dir = argv[i + 1];
        else if (!std::strcmp(argv[i], "--rounds"))
            rounds = std::max(1, std::atoi(argv[i + 1]));
    }
    kp::InitLocaleFromSystem();
    fs::create_directories(dir / "in");
    kp::BatchRequest request;
    for (int i = 0; i < files; ++i) {
        const fs::path p = dir / "in" / ("R" + std::to_string(i) + ".MEM");
        kp::synth::WriteRecordingFile(kp::synth::DemoRecording(static_cast<std::uint32_t>(i + 1), points), p);
        request.sources.push_back(p);
    }
    // Alternating rounds, best of each: the first run of a process pays for
    // warming caches and the allocator, and a shared machine is noisy.
    kp::BatchResult parallel, serial;
    double tParallel = 1e30, tSerial = 1e30;
    for (int round = 0; round < rounds; ++round) {
        tSerial = std::min(tSerial, Run(request, dir / "serial", 1, serial));
        tParallel = std::min(tParallel, Run(request, dir / "parallel", 0, parallel));
    }
    int equal = 0;
    for (std::size_t i = 0; i < parallel.files.size(); ++i)
        equal += Slurp(parallel.files[i].output) == Slurp(serial.files[i].output);
    std::printf("%d files x %lld points, %u cores\n", files, static_cast<long long>(points),
        std::thread::hardware_concurrency());
    std::printf("side by side      : %.3f s (%d converted)\n", tParallel, parallel.Count(kp::BatchOutcome::Converted));
    std::printf("one after another : %.3f s (%d converted)\n", tSerial, serial.Count(kp::BatchOutcome::Converted));
    std::printf("ratio             : %.2f x, outputs equal: %d/%d\n", tSerial / tParallel, equal, files);
    fs::remove_all(dir);
    return equal == files ? 0 : 1;
}
