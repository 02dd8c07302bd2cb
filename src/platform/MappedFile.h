#pragma once
// A whole file mapped read-only. Decoders read from bytes(); nothing is copied.
// The file may change while it is mapped (another program shortens or
// rewrites it, its storage fails): reading then never crashes, but bytes()
// may hold zeros that are not in the file, so a reader asks unchanged() after
// each stretch it read before it trusts that stretch.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "platform/MappedFileGuard.h"

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
    std::span<const std::uint8_t> bytes() const { return { data_, size_ }; }
    std::uint64_t size() const { return size_; }
    const std::string& error() const { return error_; }

    // A hint that [offset, offset + size) will not be read again soon: its
    // whole pages leave the process's resident memory (a later read maps them
    // in again from the file). Keeps a long sequential load from holding the
    // file and the decoded arrays in memory at once.
    void discard(std::uint64_t offset, std::uint64_t size) const;

    // True while every read of the mapping succeeded and the file still has
    // the size and modification time it had when it was mapped. A file
    // replaced under its name is not this file: the mapping keeps reading the
    // one that was opened.
    bool unchanged() const;
    // The leading bytes of bytes() that were read from the file as it was
    // mapped, as far as can be told: the whole size while unchanged().
    std::uint64_t intactSize() const;
    // A read error at offset, as the storage would raise it: the bytes from
    // the page of offset on read as zeros and unchanged() turns false.
    void injectReadError(std::uint64_t offset);

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    int fd_ = -1;
    std::int64_t mtimeSeconds_ = 0;
    std::int64_t mtimeNanoseconds_ = 0;
    MappedFileGuard guard_;
    // A read error injected where no guard watches the mapping (Windows).
    std::uint64_t injectedFailure_ = MappedFileGuard::kNoFailure;
    bool open_ = false;
    std::string error_;
};

} // namespace kp
