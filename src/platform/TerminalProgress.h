#pragma once
// The progress window of the command line: a one-line bar on a terminal,
// redrawn in place only when it visibly changes. When the stream is not a
// terminal (a pipe, a log file, a test) nothing at all is written, so scripts
// see only the outcome. It never cancels: an interrupt ends the process.

#include "platform/ProgressWindow.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace kp {

class TerminalProgress final : public ProgressWindow {
public:
    // Draws on the stream when isTerminal is true.
    TerminalProgress(std::FILE* stream, bool isTerminal);
    // Draws on stderr when it is a terminal.
    static TerminalProgress ForStderr();
    static bool IsTerminal(std::FILE* stream);

    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void begin(const std::string& title, const std::string& text, std::int64_t range) override;
    void setText(const std::string& text) override;
    void setPosition(std::int64_t position) override;
    bool step() override;
    void end() override;

    // The line as it is drawn now (without the carriage return).
    std::string Line() const;

private:
    void Draw(bool force);
    int Percent() const;

    std::FILE* stream_;
    bool enabled_;
    bool shown_ = false;
    std::string title_;
    std::int64_t range_ = 0;
    std::int64_t position_ = 0;
    int drawnPercent_ = -1;
    std::size_t drawnWidth_ = 0;
};

} // namespace kp
