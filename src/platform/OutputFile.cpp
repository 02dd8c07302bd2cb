#include "platform/OutputFile.h"

#include <cerrno>

#if defined(_WIN32)
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kp {

namespace {

WriteError ErrorFromErrno(int error)
{
#if defined(EDQUOT)
    if (error == EDQUOT)
        return WriteError::DiskFull;
#endif
    return error == ENOSPC ? WriteError::DiskFull : WriteError::Other;
}

} // namespace

OutputFile::~OutputFile() { close(); }

#if defined(_WIN32)

bool OutputFile::isOpen() const { return file_ != nullptr; }

OpenResult OutputFile::open(const std::filesystem::path& path, OutputMode mode)
{
    close();
    std::FILE* f = nullptr;
    if (mode == OutputMode::CreateNew) {
        HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return ::GetLastError() == ERROR_FILE_EXISTS ? OpenResult::Exists : OpenResult::Failed;
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        if (fd < 0) {
            ::CloseHandle(h);
            return OpenResult::Failed;
        }
        f = _wfdopen(fd, L"wb");
        if (f == nullptr) {
            _close(fd);
            return OpenResult::Failed;
        }
    } else {
        f = _wfopen(path.c_str(), mode == OutputMode::Append ? L"ab" : L"wb");
        if (f == nullptr)
            return OpenResult::Failed;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    file_ = f;
    return OpenResult::Opened;
}

WriteError OutputFile::write(const char* data, std::size_t size)
{
    auto* f = static_cast<std::FILE*>(file_);
    if (f == nullptr)
        return WriteError::Other;
    errno = 0;
    if (std::fwrite(data, 1, size, f) != size)
        return ErrorFromErrno(errno);
    return WriteError::None;
}

WriteError OutputFile::close()
{
    auto* f = static_cast<std::FILE*>(file_);
    file_ = nullptr;
    if (f == nullptr)
        return WriteError::None;
    errno = 0;
    return std::fclose(f) == 0 ? WriteError::None : ErrorFromErrno(errno);
}

#else

bool OutputFile::isOpen() const { return fd_ >= 0; }

OpenResult OutputFile::open(const std::filesystem::path& path, OutputMode mode)
{
    close();
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
    switch (mode) {
    case OutputMode::Replace: flags |= O_TRUNC; break;
    case OutputMode::Append: flags |= O_APPEND; break;
    // O_EXCL also refuses a dangling link rather than creating its target.
    case OutputMode::CreateNew: flags |= O_EXCL; break;
    }
    int fd;
    do
        fd = ::open(path.c_str(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno == EEXIST ? OpenResult::Exists : OpenResult::Failed;
    fd_ = fd;
    return OpenResult::Opened;
}

WriteError OutputFile::write(const char* data, std::size_t size)
{
    if (fd_ < 0)
        return WriteError::Other;
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return ErrorFromErrno(errno);
        }
        if (n == 0)
            return WriteError::Other;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return WriteError::None;
}

WriteError OutputFile::close()
{
    if (fd_ < 0)
        return WriteError::None;
    const int fd = fd_;
    fd_ = -1;
    // The descriptor is released even when close reports an error.
    return ::close(fd) == 0 || errno == EINTR ? WriteError::None : ErrorFromErrno(errno);
}

#endif

} // namespace kp
