// Text export throughput: a family-1 MEM recording (16 channels x 10,000,000
// points by default) converted to CSV with the time column, side by side
//   - by the program's converter (ConvertWaveFile),
//   - by a plain snprintf + fwrite writer of the same rows,
//   - and the raw write of the same number of preformatted bytes,
// into a memory folder (/dev/shm) and into a disk folder. Every measured run
// is a child process of its own, so that its peak memory is its own.
//
//   export_bench [--points N] [--channels C] [--shm DIR] [--disk DIR]
//                [--repeat R] [--no-printf]
//
// Not a test: run it by hand (it writes several GB).

#include "export/ConvertWaveFile.h"
#include "export/ExportPlan.h"
#include "platform/LocaleInfo.h"
#include "platform/MappedFile.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "synth/RecordingWriter.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

#include "../tests/support/ReferenceTextWriter.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRawBlock = std::size_t { 4 } << 20;

kp::ConversionRequest Request(const std::string& source, const std::string& output)
{
    kp::ConversionRequest r;
    r.source = source;
    r.output = output;
    r.format = kp::kFormatCsv;
    r.crlf = true;
    r.showErrors = true;
    return r;
}

// ------------------------------------------------------------------ phases

int MakeRecording(const std::string& path, std::int64_t points, int channels)
{
    kp::synth::Recording r;
    r.model = "4170";
    r.dataLength = points;
    r.mainFields = { { 10, "100" }, { 11, "1ms" }, { 17, "10%" }, { 7, "24-06-11" }, { 8, "12:00:00" } };
    std::mt19937 rng(12345);
    for (int c = 0; c < channels; ++c) {
        kp::synth::AnalogBlueprint a;
        a.slot = c;
        a.fields = { { 4, "1V" }, { 22, "V" }, { 33, "0.0000625" }, { 28, "100.0" } };
        a.primary.resize(static_cast<std::size_t>(points));
        // A sine of its own period per channel, with a little noise.
        const double period = 5000.0 + 731.0 * c;
        std::uniform_int_distribution<int> noise(-20, 20);
        for (std::int64_t i = 0; i < points; ++i)
            a.primary[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(static_cast<std::int16_t>(
                std::lround(12000.0 * std::sin(6.283185307179586 * static_cast<double>(i) / period)) + noise(rng)));
        r.analog.push_back(std::move(a));
    }
    kp::synth::WriteRecordingFile(r, path);
    return 0;
}

int ConvertFast(const std::string& source, const std::string& output)
{
    kp::SilentMessages messages;
    kp::NullProgress progress;
    if (!kp::ConvertWaveFile(Request(source, output), messages, progress)) {
        std::fprintf(stderr, "conversion failed: %s\n", messages.lastText().c_str());
        return 1;
    }
    return 0;
}

// The same file, every cell printed with snprintf and every row written with
// fwrite; the samples are decoded block by block exactly as the converter does.
int ConvertPrintf(const std::string& source, const std::string& output)
{
    kp::MappedFile file;
    if (!file.open(source))
        return 1;
    kp::CWaveHeadInfo head;
    if (!head.Load(file.bytes()))
        return 1;
    const kp::SampleLayout samples = kp::DescribeSamples(head);
    const kp::ExportPlan plan = kp::BuildExportPlan(head, samples, kp::ChoicesOf(Request(source, output)));
    std::FILE* out = std::fopen(output.c_str(), "wb");
    if (out == nullptr)
        return 1;
    const std::string header = plan.HeaderSection();
    std::fwrite(header.data(), 1, header.size(), out);
    kp::ChannelTables tables;
    const std::int64_t points = samples.MaxPoints();
    for (std::int64_t first = 0; first < points; first += kp::kConversionBlockPoints) {
        const std::int64_t count = std::min(kp::kConversionBlockPoints, points - first);
        kp::AllocateTables(samples, first, count, file.size(), tables);
        kp::DecodeRequest decode { head, file.bytes(), tables, first, count, {}, {} };
        if (kp::DecodeSamples(decode).status != kp::DecodeStatus::Complete)
            return 1;
        kp::test::ReferenceTextWriter writer(plan.layout, tables, first);
        writer.writeRows(first, 1, count, [out](const char* d, std::size_t n) { std::fwrite(d, 1, n, out); });
        file.discard(0, file.size());
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

// bytes preformatted bytes (the start of sample, repeated) written in blocks.
int WriteRaw(const std::string& sample, const std::string& output, std::uint64_t bytes)
{
    std::vector<char> data(std::size_t { 64 } << 20);
    const int in = ::open(sample.c_str(), O_RDONLY);
    const ssize_t got = in < 0 ? -1 : ::read(in, data.data(), data.size());
    if (got <= 0)
        return 1;
    ::close(in);
    data.resize(static_cast<std::size_t>(got));
    const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return 1;
    std::size_t pos = 0;
    while (bytes > 0) {
        std::size_t n = std::min<std::uint64_t>({ bytes, kRawBlock, data.size() - pos });
        if (::write(fd, data.data() + pos, n) != static_cast<ssize_t>(n))
            return 1;
        bytes -= n;
        pos = (pos + n) % data.size();
    }
    return ::close(fd) == 0 ? 0 : 1;
}

// ------------------------------------------------------------------ driver

struct Run {
    double seconds = 0;
    double cpuSeconds = 0; // user + system, all threads
    double maxRssMb = 0;
    bool ok = false;
};

Run Child(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    std::string self = fs::read_symlink("/proc/self/exe").string();
    argv.push_back(self.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(self.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    auto secondsOf = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    run.cpuSeconds = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

Run Best(int repeat, const std::vector<std::string>& args)
{
    Run best;
    for (int i = 0; i < repeat; ++i) {
        ::sync();
        Run r = Child(args);
        if (!r.ok)
            return r;
        if (i == 0 || r.seconds < best.seconds)
            best = r;
    }
    return best;
}

bool SameFiles(const std::string& a, const std::string& b)
{
    std::FILE* fa = std::fopen(a.c_str(), "rb");
    std::FILE* fb = std::fopen(b.c_str(), "rb");
    bool same = fa != nullptr && fb != nullptr;
    std::vector<char> x(std::size_t { 8 } << 20), y(x.size());
    while (same) {
        const std::size_t na = std::fread(x.data(), 1, x.size(), fa);
        const std::size_t nb = std::fread(y.data(), 1, y.size(), fb);
        same = na == nb && std::memcmp(x.data(), y.data(), na) == 0;
        if (na == 0)
            break;
    }
    if (fa)
        std::fclose(fa);
    if (fb)
        std::fclose(fb);
    return same;
}

void Report(const char* what, const Run& r, std::uint64_t bytes, std::int64_t rows)
{
    if (!r.ok) {
        std::printf("%-34s FAILED\n", what);
        return;
    }
    std::printf("%-32s %7.2f s %8.1f MB/s %11.0f rows/s  cpu %7.2f s  max RSS %6.1f MB\n", what, r.seconds,
        static_cast<double>(bytes) / 1e6 / r.seconds, static_cast<double>(rows) / r.seconds, r.cpuSeconds, r.maxRssMb);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--phase") {
        const std::string& phase = args.at(1);
        if (phase == "make")
            return MakeRecording(args.at(2), std::stoll(args.at(3)), std::stoi(args.at(4)));
        if (phase == "fast")
            return ConvertFast(args.at(2), args.at(3));
        if (phase == "printf")
            return ConvertPrintf(args.at(2), args.at(3));
        if (phase == "raw")
            return WriteRaw(args.at(2), args.at(3), std::stoull(args.at(4)));
        return 2;
    }

    std::int64_t points = 10'000'000;
    int channels = 16;
    int repeat = 2;
    bool withPrintf = true;
    std::string shm = "/dev/shm/kp-export-bench";
    std::string disk = "/work/tmp-bench";
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto value = [&] { return args.at(++i); };
        if (args[i] == "--points")
            points = std::stoll(value());
        else if (args[i] == "--channels")
            channels = std::stoi(value());
        else if (args[i] == "--shm")
            shm = value();
        else if (args[i] == "--disk")
            disk = value();
        else if (args[i] == "--repeat")
            repeat = std::max(1, std::stoi(value()));
        else if (args[i] == "--no-printf")
            withPrintf = false;
    }
    fs::create_directories(shm);
    fs::create_directories(disk);
    const std::string source = shm + "/BENCH.MEM";
    const std::string fast = shm + "/fast.csv";

    std::printf("recording: family 1 MEM, %d channels x %lld points\n", channels, static_cast<long long>(points));
    if (!Child({ "--phase", "make", source, std::to_string(points), std::to_string(channels) }).ok) {
        std::fprintf(stderr, "could not write the recording\n");
        return 1;
    }
    std::printf("recording size: %.1f MB\n\n", static_cast<double>(fs::file_size(source)) / 1e6);

    const Run fastShm = Best(repeat, { "--phase", "fast", source, fast });
    const std::uint64_t bytes = fastShm.ok ? fs::file_size(fast) : 0;
    std::printf("text: %.1f MB, %lld rows\n\n", static_cast<double>(bytes) / 1e6, static_cast<long long>(points));
    Report("converter -> shm", fastShm, bytes, points);

    Run printfShm;
    if (withPrintf) {
        const std::string plain = shm + "/printf.csv";
        printfShm = Child({ "--phase", "printf", source, plain });
        Report("snprintf+fwrite -> shm", printfShm, bytes, points);
        std::printf("%-34s %s\n", "identical bytes", SameFiles(fast, plain) ? "yes" : "NO");
        fs::remove(plain);
    }
    const Run rawShm = Best(repeat, { "--phase", "raw", fast, shm + "/raw.bin", std::to_string(bytes) });
    Report("raw preformatted write -> shm", rawShm, bytes, points);
    fs::remove(shm + "/raw.bin");

    const std::string diskFast = disk + "/fast.csv";
    const Run fastDisk = Best(repeat, { "--phase", "fast", source, diskFast });
    Report("converter -> disk", fastDisk, bytes, points);
    fs::remove(diskFast);
    const Run rawDisk = Best(repeat, { "--phase", "raw", fast, disk + "/raw.bin", std::to_string(bytes) });
    Report("raw preformatted write -> disk", rawDisk, bytes, points);
    fs::remove(disk + "/raw.bin");

    std::printf("\nwall-time ratios (the machine's load shows in these; cpu time above does not wait):\n");
    if (withPrintf && printfShm.ok)
        std::printf("converter / snprintf+fwrite (shm): %.1fx\n", printfShm.seconds / fastShm.seconds);
    std::printf("converter / raw write (shm):        %.2f\n", rawShm.seconds / fastShm.seconds);
    std::printf("converter / raw write (disk):       %.2f\n", rawDisk.seconds / fastDisk.seconds);

    fs::remove(fast);
    fs::remove(source);
    fs::remove_all(shm);
    fs::remove_all(disk);
    return 0;
}
