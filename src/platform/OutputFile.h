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

// How an output is opened. CreateNew is what keeps two writers, in one
// process or in several, from ever sharing a file: the creation and the check
// that the name is free are one step of the file system.
enum class OutputMode {
    Replace, // create, or truncate an existing file
    Append, // open without truncating (creating it when missing), write at its end
    CreateNew, // create; fails with Exists when the name is taken, whatever it names
};

enum class OpenResult { Opened, Exists, Failed };

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    OpenResult open(const std::filesystem::path& path, OutputMode mode);
    bool open(const std::filesystem::path& path, bool append)
    {
        return open(path, append ? OutputMode::Append : OutputMode::Replace) == OpenResult::Opened;
    }
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
