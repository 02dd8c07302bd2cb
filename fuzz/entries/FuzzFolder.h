#pragma once
// The folder the fuzz entries write their inputs to, one per process: in
// memory (/dev/shm) where the system has it, so a run costs no disk writes.
// Emptied before every input and removed when the process ends.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "FuzzBundle.h"

namespace kp::fuzz {

class FuzzFolder {
public:
    // The process's folder, created on first use.
    static FuzzFolder& Instance();

    const std::filesystem::path& path() const { return path_; }
    // Removes everything the previous input left.
    void clear();
    // Writes one file; the path it was written to.
    std::filesystem::path write(std::string_view name, std::span<const std::uint8_t> bytes);
    // Empties the folder and writes the bundle: the opened file under
    // kOpenedName and every companion under its own name. The opened file's path.
    std::filesystem::path writeBundle(const Bundle& bundle);

    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;
    ~FuzzFolder();

private:
    FuzzFolder();
    std::filesystem::path path_;
};

} // namespace kp::fuzz
