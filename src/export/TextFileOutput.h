#pragma once
// The output of a conversion: rows are formatted straight into a large block
// buffer, and full blocks go to the file in one write each. With the writer
// thread on, the file write of one block runs while the next block is being
// formatted; blocks still reach the file whole and in order, so the bytes are
// the same either way.

#include "platform/OutputFile.h"

#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace kp {

class TextFileOutput {
public:
    static constexpr std::size_t kDefaultBlockSize = std::size_t { 4 } << 20;

    explicit TextFileOutput(std::size_t blockSize = kDefaultBlockSize, bool writerThread = true);
    // Abandons what is still buffered (see abandon()).
    ~TextFileOutput();
    TextFileOutput(const TextFileOutput&) = delete;
    TextFileOutput& operator=(const TextFileOutput&) = delete;

    bool open(const std::filesystem::path& path, bool append)
    {
        return open(path, append ? OutputMode::Append : OutputMode::Replace) == OpenResult::Opened;
    }
    OpenResult open(const std::filesystem::path& path, OutputMode mode);

    // The free part of the current block: formatters write at cursor() and
    // hand back the new end with setCursor(). ensure(n) makes room for n bytes
    // (n at most the block size), writing the full block first; it returns
    // false once a write has failed, after which nothing more is written.
    char* cursor() const { return cursor_; }
    char* limit() const { return limit_; }
    void setCursor(char* end) { cursor_ = end; }
    bool ensure(std::size_t n) { return static_cast<std::size_t>(limit_ - cursor_) >= n ? true : flushBlock(); }
    bool append(std::string_view text);

    std::size_t blockSize() const { return blockSize_; }

    // Writes the rest and closes the file: the first error of the whole run.
    WriteError finish();
    // Stops without writing what is still buffered and closes the file; what
    // reached the file stays.
    void abandon();
    // The first error so far (a block handed to the writer thread may still
    // be in flight).
    WriteError error();

private:
    bool flushBlock();
    void writerLoop();
    void stopWriter();
    void startBlock(char* buffer);

    std::size_t blockSize_;
    bool useThread_;
    OutputFile file_;
    std::unique_ptr<char[]> buffers_[2];
    int current_ = 0;
    char* cursor_ = nullptr;
    char* limit_ = nullptr;

    std::mutex mutex_;
    std::condition_variable wake_;
    const char* pending_ = nullptr; // block handed to the writer thread
    std::size_t pendingSize_ = 0;
    bool stop_ = false;
    WriteError error_ = WriteError::None;
    std::thread writer_;
};

} // namespace kp
