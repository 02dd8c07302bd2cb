#pragma once
// One entry per fuzz target: take arbitrary bytes, run them through the same
// code the application runs, and return normally whatever the bytes are.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kp::fuzz {

struct Entry {
    const char* name;
    void (*run)(const std::uint8_t* data, std::size_t size);
};

// The header records of a recording.
void RunHeaderLoad(const std::uint8_t* data, std::size_t size);

// Every entry, by target name (the replay test walks this list).
const std::vector<Entry>& Entries();

} // namespace kp::fuzz
