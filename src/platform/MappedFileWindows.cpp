#include "platform/MappedFile.h"

#if defined(_WIN32)

#include "platform/WindowsErrorText.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include <windows.h>

namespace kp {

namespace {

struct HandleCloser {
    void operator()(void* handle) const { ::CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

} // namespace

bool MappedFile::open(const std::filesystem::path& path)
{
    close();
    // Opening a folder as a file fails with "Access is denied"; say what it is.
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error_ = "Is a directory";
        return false;
    }
    // Others may go on writing or renaming the file, as on POSIX.
    UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        error_ = WindowsErrorText(::GetLastError());
        return false;
    }
    // A device or a pipe has no size to map.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        error_ = WindowsErrorText(ERROR_INVALID_FUNCTION);
        return false;
    }
    LARGE_INTEGER size {};
    if (!::GetFileSizeEx(file.get(), &size)) {
        error_ = WindowsErrorText(::GetLastError());
        return false;
    }
    if (static_cast<std::uint64_t>(size.QuadPart) > std::numeric_limits<std::size_t>::max()) {
        error_ = WindowsErrorText(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    size_ = static_cast<std::size_t>(size.QuadPart);
    if (size_ > 0) {
        // The view keeps the mapping alive; neither handle is needed after it.
        const UniqueHandle mapping(::CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
        const void* view = mapping ? ::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0) : nullptr;
        if (view == nullptr) {
            error_ = WindowsErrorText(::GetLastError());
            size_ = 0;
            return false;
        }
        data_ = static_cast<const std::uint8_t*>(view);
    }
    open_ = true;
    error_.clear();
    return true;
}

void MappedFile::discard(std::uint64_t offset, std::uint64_t size) const
{
    if (data_ == nullptr || offset >= size_)
        return;
    size = std::min<std::uint64_t>(size, size_ - offset);
    SYSTEM_INFO system {};
    ::GetSystemInfo(&system);
    const std::uint64_t page = system.dwPageSize;
    const std::uint64_t first = (offset + page - 1) / page * page;
    const std::uint64_t last = (offset + size) / page * page;
    // Unlocking pages that were never locked takes them out of the working
    // set: the documented way to let go of them, which the call reports as
    // ERROR_NOT_LOCKED.
    if (last > first)
        ::VirtualUnlock(const_cast<std::uint8_t*>(data_) + first, static_cast<SIZE_T>(last - first));
}

// The system refuses to shorten or replace the contents of a file while a
// view of it is mapped, so the file stays as it was opened; what can still go
// wrong is a read error of the storage, which ends the process with an
// in-page error that nothing here catches.
bool MappedFile::unchanged() const
{
    return open_ && injectedFailure_ == MappedFileGuard::kNoFailure;
}

std::uint64_t MappedFile::intactSize() const
{
    return std::min<std::uint64_t>(size_, injectedFailure_);
}

void MappedFile::injectReadError(std::uint64_t offset)
{
    injectedFailure_ = std::min(injectedFailure_, offset);
}

void MappedFile::close()
{
    injectedFailure_ = MappedFileGuard::kNoFailure;
    if (data_ != nullptr)
        ::UnmapViewOfFile(data_);
    data_ = nullptr;
    size_ = 0;
    open_ = false;
}

} // namespace kp

#endif
