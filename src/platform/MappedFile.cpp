#include "platform/MappedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kp {

MappedFile::~MappedFile()
{
    close();
}

MappedFile::MappedFile(MappedFile&& other) noexcept
{
    *this = std::move(other);
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept
{
    if (this != &other) {
        close();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        fd_ = std::exchange(other.fd_, -1);
        mtimeSeconds_ = other.mtimeSeconds_;
        mtimeNanoseconds_ = other.mtimeNanoseconds_;
        guard_ = std::move(other.guard_);
        injectedFailure_ = std::exchange(other.injectedFailure_, MappedFileGuard::kNoFailure);
        open_ = std::exchange(other.open_, false);
        error_ = std::move(other.error_);
    }
    return *this;
}

// Windows: MappedFileWindows.cpp.
#if !defined(_WIN32)

bool MappedFile::open(const std::filesystem::path& path)
{
    close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return false;
    }
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = S_ISDIR(st.st_mode) ? "Is a directory" : std::strerror(errno);
        ::close(fd);
        return false;
    }
    size_ = static_cast<std::size_t>(st.st_size);
    if (size_ > 0) {
        void* p = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (p == MAP_FAILED) {
            error_ = std::strerror(errno);
            ::close(fd);
            size_ = 0;
            return false;
        }
        ::madvise(p, size_, MADV_SEQUENTIAL);
        data_ = static_cast<const std::uint8_t*>(p);
        guard_.watch(data_, size_);
    }
    // Kept open to notice a change of the file while it is read.
    fd_ = fd;
    mtimeSeconds_ = st.st_mtim.tv_sec;
    mtimeNanoseconds_ = st.st_mtim.tv_nsec;
    open_ = true;
    error_.clear();
    return true;
}

void MappedFile::discard(std::uint64_t offset, std::uint64_t size) const
{
    if (data_ == nullptr || offset >= size_)
        return;
    size = std::min<std::uint64_t>(size, size_ - offset);
    const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t first = (offset + page - 1) / page * page;
    const std::uint64_t last = (offset + size) / page * page;
    if (last > first)
        ::madvise(const_cast<std::uint8_t*>(data_) + first, last - first, MADV_DONTNEED);
}

bool MappedFile::unchanged() const
{
    if (!open_)
        return false;
    if (guard_.firstFailure() != MappedFileGuard::kNoFailure)
        return false;
    struct stat st { };
    return ::fstat(fd_, &st) == 0 && static_cast<std::uint64_t>(st.st_size) == size_
        && st.st_mtim.tv_sec == mtimeSeconds_ && st.st_mtim.tv_nsec == mtimeNanoseconds_;
}

std::uint64_t MappedFile::intactSize() const
{
    std::uint64_t intact = std::min<std::uint64_t>(size_, guard_.firstFailure());
    struct stat st { };
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return 0;
    return std::min<std::uint64_t>(intact, static_cast<std::uint64_t>(st.st_size));
}

void MappedFile::injectReadError(std::uint64_t offset)
{
    guard_.failFrom(offset);
}

void MappedFile::close()
{
    guard_.release();
    if (data_ != nullptr)
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    data_ = nullptr;
    size_ = 0;
    open_ = false;
}

#endif

} // namespace kp
