// The open dialog's header preview:
//   - a 2 GB recording (the recording writer's header, the file extended
//     sparsely to the length its header claims), previewed repeatedly;
//   - a folder of 1,000 recordings: the folder scan and a preview of every
//     file, as a user holding the arrow key in the dialog would ask for.
//
//   preview_bench [--dir DIR] [--files N]
//
// Not a test: run it by hand.

#include "app/FolderFileList.h"
#include "platform/LocaleInfo.h"
#include "synth/DemoRecordings.h"
#include "synth/Recording.h"
#include "synth/RecordingWriter.h"
#include "view/HeaderPreview.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

} // namespace

int main(int argc, char** argv)
{
    fs::path dir = fs::temp_directory_path() / "kp-preview-bench";
    int files = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--dir"))
            dir = argv[i + 1];
        else if (!std::strcmp(argv[i], "--files"))
            files = std::atoi(argv[i + 1]);
    }
    kp::InitLocaleFromSystem();
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");

    // 8 channels x 2 bytes x 134,217,728 points = 2 GiB of samples.
    const std::int64_t points = (std::int64_t { 2 } << 30) / 16;
    const fs::path bigPath = dir / "BIG.MEM";
    kp::synth::WriteRecordingFile(kp::synth::DemoRecording(1, 1000), bigPath);
    // The header's data length is field 6 of the first record.
    {
        std::FILE* f = std::fopen(bigPath.string().c_str(), "r+b");
        char text[13] = {};
        std::snprintf(text, sizeof text, "%-12lld", static_cast<long long>(points));
        std::fseek(f, 72, SEEK_SET);
        std::fwrite(text, 1, 12, f);
        std::fclose(f);
    }
    fs::resize_file(bigPath, fs::file_size(bigPath) + static_cast<std::uintmax_t>(points) * 16);

    std::vector<double> times;
    bool ok = true;
    for (int i = 0; i < 20; ++i) {
        const auto t = Clock::now();
        ok = ok && kp::ReadHeaderPreview(bigPath).has_value();
        times.push_back(Ms(t));
    }
    std::sort(times.begin(), times.end());
    std::printf("2 GiB recording (%.2f GB on disk, sparse): preview median %.3f ms, max %.3f ms%s\n",
        static_cast<double>(fs::file_size(bigPath)) / 1e9, times[times.size() / 2], times.back(),
        ok ? "" : " (NOT RECOGNISED)");

    for (int i = 0; i < files; ++i)
        kp::synth::WriteRecordingFile(kp::synth::DemoRecording(static_cast<std::uint32_t>(i + 1), 2000),
            dir / "folder" / ("R" + std::to_string(i) + ".MEM"));
    auto t = Clock::now();
    kp::FolderFileList list;
    list.ScanFolder(dir / "folder");
    const double scan = Ms(t);
    t = Clock::now();
    int shown = 0;
    double worst = 0;
    for (const std::string& name : list.GetNames()) {
        const auto one = Clock::now();
        shown += kp::ReadHeaderPreview(dir / "folder" / name).has_value();
        worst = std::max(worst, Ms(one));
    }
    const double all = Ms(t);
    std::printf("folder of %d recordings: scan %.2f ms; preview of each %.3f ms on average, worst %.3f ms (%d shown)\n",
        list.GetFileCount(), scan, all / std::max(1, list.GetFileCount()), worst, shown);
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
