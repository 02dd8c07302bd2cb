#include "export/TextFileOutput.h"

#include <cstring>

namespace kp {

TextFileOutput::TextFileOutput(std::size_t blockSize, bool writerThread)
    : blockSize_(blockSize < 4096 ? 4096 : blockSize)
    , useThread_(writerThread)
{
}

TextFileOutput::~TextFileOutput()
{
    abandon();
}

void TextFileOutput::startBlock(char* buffer)
{
    cursor_ = buffer;
    limit_ = buffer + blockSize_;
}

OpenResult TextFileOutput::open(const std::filesystem::path& path, OutputMode mode)
{
    abandon();
    const OpenResult opened = file_.open(path, mode);
    if (opened != OpenResult::Opened)
        return opened;
    for (auto& b : buffers_)
        if (!b)
            b = std::make_unique_for_overwrite<char[]>(blockSize_);
    current_ = 0;
    startBlock(buffers_[0].get());
    error_ = WriteError::None;
    stop_ = false;
    pending_ = nullptr;
    if (useThread_)
        writer_ = std::thread([this] { writerLoop(); });
    return OpenResult::Opened;
}

void TextFileOutput::writerLoop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ != nullptr || stop_; });
        if (pending_ == nullptr)
            return;
        const char* data = pending_;
        const std::size_t size = pendingSize_;
        const bool failed = error_ != WriteError::None;
        lock.unlock();
        const WriteError e = failed ? WriteError::None : file_.write(data, size);
        lock.lock();
        if (e != WriteError::None && error_ == WriteError::None)
            error_ = e;
        pending_ = nullptr;
        wake_.notify_all();
    }
}

bool TextFileOutput::flushBlock()
{
    if (!file_.isOpen())
        return false;
    char* begin = buffers_[current_].get();
    const std::size_t size = static_cast<std::size_t>(cursor_ - begin);
    if (!useThread_) {
        if (error_ == WriteError::None && size > 0)
            error_ = file_.write(begin, size);
        startBlock(begin);
        return error_ == WriteError::None;
    }
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return pending_ == nullptr; });
    if (error_ != WriteError::None)
        return false;
    if (size > 0) {
        pending_ = begin;
        pendingSize_ = size;
        wake_.notify_all();
        current_ ^= 1;
    }
    startBlock(buffers_[current_].get());
    return true;
}

bool TextFileOutput::append(std::string_view text)
{
    while (!text.empty()) {
        if (cursor_ == limit_ && !flushBlock())
            return false;
        const std::size_t n = std::min(text.size(), static_cast<std::size_t>(limit_ - cursor_));
        std::memcpy(cursor_, text.data(), n);
        cursor_ += n;
        text.remove_prefix(n);
    }
    return true;
}

void TextFileOutput::stopWriter()
{
    if (!writer_.joinable())
        return;
    {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return pending_ == nullptr; });
        stop_ = true;
        wake_.notify_all();
    }
    writer_.join();
}

WriteError TextFileOutput::error()
{
    std::lock_guard lock(mutex_);
    return error_;
}

WriteError TextFileOutput::finish()
{
    if (!file_.isOpen())
        return WriteError::Other;
    flushBlock();
    stopWriter();
    const WriteError closed = file_.close();
    if (error_ == WriteError::None)
        error_ = closed;
    cursor_ = limit_ = nullptr;
    return error_;
}

void TextFileOutput::abandon()
{
    stopWriter();
    file_.close();
    cursor_ = limit_ = nullptr;
}

} // namespace kp
