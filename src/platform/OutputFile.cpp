#include "platform/OutputFile.h"

#include <cerrno>

#if defined(_WIN32)
#include <cstdio>
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

bool OutputFile::open(const std::filesystem::path& path, bool append)
{
    close();
    std::FILE* f = _wfopen(path.c_str(), append ? L"ab" : L"wb");
    if (f == nullptr)
        return false;
    std::setvbuf(f, nullptr, _IONBF, 0);
    file_ = f;
    return true;
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

bool OutputFile::open(const std::filesystem::path& path, bool append)
{
    close();
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    int fd;
    do
        fd = ::open(path.c_str(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    fd_ = fd;
    return true;
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
