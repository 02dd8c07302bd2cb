#pragma once
// Seed inputs for the fuzzers, all written by the recording writer: a small
// recording per header family, function and channel mix, a longer one per
// family (enough points for several progress steps), and index files in
// every table layout with the files they list beside them.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kp::synth {

struct SeedFile {
    std::string name; // file name of the seed in the corpus
    std::vector<std::uint8_t> opened; // the file the program is asked to open
    // Files beside it (name, bytes), for index seeds; the fuzz entries write
    // them into the opened file's folder.
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> companions;
};

// Every seed. Functions a family does not keep (FamilyKeepsFunction) are left
// out; any other recording the writer refuses throws.
std::vector<SeedFile> FuzzSeeds();

} // namespace kp::synth
