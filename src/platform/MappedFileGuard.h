#pragma once
// Reads of a mapped file must not kill the process when the file shrinks or
// its storage fails under the mapping: on POSIX systems such a read raises
// SIGBUS. While a mapping is guarded, a failed read gets zero-filled pages in
// place of the rest of the mapping, and the offset of the first failure is
// kept, so the reader can tell afterwards that what it read is not the file.
// The readers themselves never see a signal: they ask the mapping whether it
// stayed intact (MappedFile::unchanged) after each stretch they read.

#include <cstddef>
#include <cstdint>

namespace kp {

class MappedFileGuard {
public:
    static constexpr std::uint64_t kNoFailure = UINT64_MAX;

    MappedFileGuard() = default;
    ~MappedFileGuard() { release(); }
    MappedFileGuard(MappedFileGuard&& other) noexcept
        : slot_(other.slot_)
    {
        other.slot_ = -1;
    }
    MappedFileGuard& operator=(MappedFileGuard&& other) noexcept
    {
        if (this != &other) {
            release();
            slot_ = other.slot_;
            other.slot_ = -1;
        }
        return *this;
    }
    MappedFileGuard(const MappedFileGuard&) = delete;
    MappedFileGuard& operator=(const MappedFileGuard&) = delete;

    // Guards [data, data + size) (a whole mapping); false when every slot is
    // taken (the mapping is then read unguarded).
    bool watch(const std::uint8_t* data, std::size_t size);
    void release();
    // The offset of the first page whose read failed; kNoFailure when none did.
    std::uint64_t firstFailure() const;
    // What a failed read at offset does, without the fault: the pages from
    // offset on read as zeros and the failure is recorded.
    void failFrom(std::uint64_t offset);
    // failFrom(offset) on every guarded mapping of the process: a read error
    // injected where a test cannot reach the reader's own mapping.
    static void FailEverywhereFrom(std::uint64_t offset);

private:
    int slot_ = -1;
};

} // namespace kp
