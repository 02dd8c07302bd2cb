// Replays every kept fuzzer input (tests/fuzz_regressions/<target>/*) through
// the target's entry: each once crashed, hung or over-allocated.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzEntries.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

TEST(FuzzRegressions, EveryKeptInputRunsCleanly)
{
    const fs::path root = fs::path(KP_SOURCE_DIR) / "tests" / "fuzz_regressions";
    int replayed = 0;
    for (const auto& entry : fuzz::Entries()) {
        const fs::path dir = root / entry.name;
        if (!fs::is_directory(dir))
            continue;
        for (const auto& file : fs::directory_iterator(dir)) {
            std::ifstream in(file.path(), std::ios::binary);
            std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            SCOPED_TRACE(file.path().string());
            entry.run(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    RecordProperty("replayed", replayed);
}

} // namespace
} // namespace kp
