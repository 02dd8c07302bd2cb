#include "platform/OutputFile.h"

#if defined(_WIN32)

#include <algorithm>

#include <windows.h>

namespace kp {

namespace {

// ERROR_DISK_QUOTA_EXCEEDED, which not every SDK's headers name.
constexpr DWORD kDiskQuotaExceeded = 1295;

WriteError ErrorFromLastError()
{
    const DWORD error = ::GetLastError();
    const bool full = error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL || error == kDiskQuotaExceeded;
    return full ? WriteError::DiskFull : WriteError::Other;
}

} // namespace

bool OutputFile::isOpen() const
{
    return file_ != nullptr;
}

OpenResult OutputFile::open(const std::filesystem::path& path, OutputMode mode)
{
    close();
    const bool append = mode == OutputMode::Append;
    const DWORD disposition = mode == OutputMode::CreateNew ? CREATE_NEW : append ? OPEN_ALWAYS : CREATE_ALWAYS;
    // Readers may look at the file while it grows, as on POSIX.
    HANDLE h = ::CreateFileW(path.c_str(), append ? FILE_APPEND_DATA | SYNCHRONIZE : GENERIC_WRITE, FILE_SHARE_READ,
        nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? OpenResult::Exists : OpenResult::Failed;
    }
    file_ = h;
    return OpenResult::Opened;
}

WriteError OutputFile::write(const char* data, std::size_t size)
{
    if (file_ == nullptr)
        return WriteError::Other;
    // WriteFile takes at most 4 GiB less one byte at a time.
    constexpr std::size_t kMaxChunk = std::size_t { 1 } << 30;
    while (size > 0) {
        const auto chunk = static_cast<DWORD>(std::min(size, kMaxChunk));
        DWORD written = 0;
        if (!::WriteFile(file_, data, chunk, &written, nullptr))
            return ErrorFromLastError();
        if (written == 0)
            return WriteError::Other;
        data += written;
        size -= written;
    }
    return WriteError::None;
}

WriteError OutputFile::close()
{
    if (file_ == nullptr)
        return WriteError::None;
    HANDLE h = file_;
    file_ = nullptr;
    return ::CloseHandle(h) ? WriteError::None : ErrorFromLastError();
}

} // namespace kp

#endif
