#include "platform/OutputFile.h"

#include <cerrno>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kp {

#if !defined(_WIN32)
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
#endif

OutputFile::~OutputFile()
{
    close();
}

// The Windows forms are in OutputFileWindows.cpp.
#if !defined(_WIN32)

bool OutputFile::isOpen() const
{
    return fd_ >= 0;
}

OpenResult OutputFile::open(const std::filesystem::path& path, OutputMode mode)
{
    close();
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
    switch (mode) {
    case OutputMode::Replace:
        flags |= O_TRUNC;
        break;
    case OutputMode::Append:
        flags |= O_APPEND;
        break;
    // O_EXCL also refuses a dangling link rather than creating its target.
    case OutputMode::CreateNew:
        flags |= O_EXCL;
        break;
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
