#pragma once
// A file written front to back in large blocks, without a library buffer in
// between: the caller owns the buffers. Tells a full disk apart from other
// write errors, because the two are reported differently to the user.

#include <cstddef>
#include <filesystem>

namespace kp {

enum class WriteError {
    None,
    DiskFull, // no space left on the device (or the user's quota is used up)
    Other,
};

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the file or truncates it; with append, opens it without
    // truncating (creating it when missing) and writes at its end.
    bool open(const std::filesystem::path& path, bool append);
    // Writes all bytes, continuing after partial writes and interruptions.
    WriteError write(const char* data, std::size_t size);
    // Closes the file; an error of the last write-back is reported here.
    WriteError close();
    bool isOpen() const;

private:
#if defined(_WIN32)
    void* file_ = nullptr; // HANDLE, null when closed
#else
    int fd_ = -1;
#endif
};

} // namespace kp
