#pragma once
// A whole file mapped read-only. Decoders read from bytes(); nothing is copied.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace kp {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the file; false (with error() set) when it cannot be opened or mapped.
    bool open(const std::filesystem::path& path);
    void close();

    bool isOpen() const { return open_; }
    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }
    std::uint64_t size() const { return size_; }
    const std::string& error() const { return error_; }

    // A hint that [offset, offset + size) will not be read again soon: its
    // whole pages leave the process's resident memory (a later read maps them
    // in again from the file). Keeps a long sequential load from holding the
    // file and the decoded arrays in memory at once.
    void discard(std::uint64_t offset, std::uint64_t size) const;

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool open_ = false;
    std::string error_;
};

} // namespace kp
