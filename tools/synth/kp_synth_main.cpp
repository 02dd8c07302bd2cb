// kp-synth: writes recordings for tests, benchmarks, fuzz seeds and the demo.
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "FuzzBundle.h"
#include "synth/DemoRecordings.h"
#include "synth/FuzzSeeds.h"
#include "synth/IndexWriter.h"
#include "synth/RecordingWriter.h"

namespace {

void Usage()
{
    std::fputs("usage:\n"
               "  kp-synth demo OUT.MEM                      the demo recording (family 1, 8 channels)\n"
               "  kp-synth family N OUT [FUNCTION [POINTS [SEED]]]\n"
               "                                             a small recording of header family N\n"
               "  kp-synth waves CHANNELS POINTS OUT         a family-1 MEM recording of waveforms\n"
               "  kp-synth seeds DIR                         the fuzzers' seed inputs\n"
               "  kp-synth index OUT NAME...                 an index file listing blocks 1, 2, ... (8.3 names)\n",
        stderr);
}

bool Number(std::string_view text, long long& value)
{
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

// One file per seed; an index seed and the files it lists travel together as
// one fuzz input (see fuzz/entries/FuzzBundle.h).
int WriteSeeds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    int written = 0;
    for (const auto& seed : kp::synth::FuzzSeeds()) {
        const auto bytes = kp::fuzz::JoinBundle(seed.opened, seed.companions);
        std::ofstream out(folder / seed.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "kp-synth: cannot write %s\n", (folder / seed.name).string().c_str());
            return 1;
        }
        ++written;
    }
    std::printf("%d seeds in %s\n", written, folder.string().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "demo" && argc == 3) {
            kp::synth::WriteRecordingFile(kp::synth::DemoRecording(), argv[2]);
            return 0;
        }
        if (command == "family" && argc >= 4 && argc <= 7) {
            long long family = 0, points = 1000, seed = 1;
            const std::string function = argc > 4 ? argv[4] : "MEM";
            if (!Number(argv[2], family) || (argc > 5 && !Number(argv[5], points))
                || (argc > 6 && !Number(argv[6], seed))) {
                Usage();
                return 2;
            }
            kp::synth::WriteRecordingFile(
                kp::synth::FamilySampleRecording(
                    kp::HeaderFamily { static_cast<int>(family) }, function, points, static_cast<std::uint32_t>(seed)),
                argv[3]);
            return 0;
        }
        if (command == "index" && argc >= 4) {
            kp::synth::IndexBlueprint index;
            for (int i = 3; i < argc; ++i) {
                const std::filesystem::path name = argv[i];
                const std::string extension = name.extension().string();
                index.entries.push_back({ static_cast<std::uint32_t>(i - 2),
                    kp::synth::Name83Stored(name.stem().string(), extension.empty() ? "" : extension.substr(1)) });
            }
            kp::synth::WriteIndexFile(argv[2], index);
            return 0;
        }
        if (command == "seeds" && argc == 3)
            return WriteSeeds(argv[2]);
        if (command == "waves" && argc == 5) {
            long long channels = 0, points = 0;
            if (!Number(argv[2], channels) || !Number(argv[3], points) || channels > 352) {
                Usage();
                return 2;
            }
            kp::synth::WriteRecordingFile(
                kp::synth::WaveformRecording(static_cast<int>(channels), 0, points, 1), argv[4]);
            return 0;
        }
        Usage();
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kp-synth: %s\n", e.what());
        return 1;
    }
}
