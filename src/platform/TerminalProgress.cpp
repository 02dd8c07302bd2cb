#include "platform/TerminalProgress.h"

#include <algorithm>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kp {

namespace {

constexpr int kBarCells = 40;

} // namespace

TerminalProgress::TerminalProgress(std::FILE* stream, bool isTerminal)
    : stream_(stream)
    , enabled_(stream != nullptr && isTerminal)
{
}

TerminalProgress TerminalProgress::ForStderr()
{
    return TerminalProgress(stderr, IsTerminal(stderr));
}

bool TerminalProgress::IsTerminal(std::FILE* stream)
{
    if (stream == nullptr)
        return false;
#if defined(_WIN32)
    return _isatty(_fileno(stream)) != 0;
#else
    return ::isatty(::fileno(stream)) != 0;
#endif
}

TerminalProgress::~TerminalProgress()
{
    end();
}

void TerminalProgress::begin(const std::string& title, const std::string&, std::int64_t range)
{
    title_ = title;
    range_ = range;
    position_ = 0;
    shown_ = true;
    Draw(true);
}

// The text line (source -> output) is long and would wrap the bar; the
// title and the percentage say enough on one line.
void TerminalProgress::setText(const std::string&) { }

void TerminalProgress::setPosition(std::int64_t position)
{
    position_ = position;
    Draw(false);
}

bool TerminalProgress::step()
{
    ++position_;
    Draw(false);
    return true;
}

void TerminalProgress::end()
{
    if (!shown_)
        return;
    shown_ = false;
    if (enabled_ && drawnWidth_ > 0) {
        // Leave the terminal as it was: blank the bar and return to column 0.
        std::fprintf(stream_, "\r%*s\r", static_cast<int>(drawnWidth_), "");
        std::fflush(stream_);
    }
    drawnPercent_ = -1;
    drawnWidth_ = 0;
}

int TerminalProgress::Percent() const
{
    if (range_ <= 0 || position_ <= 0)
        return 0;
    if (position_ >= range_)
        return 100;
    return static_cast<int>(position_ * 100 / range_);
}

std::string TerminalProgress::Line() const
{
    const int percent = Percent();
    const int filled = percent * kBarCells / 100;
    std::string line = title_;
    line += " [";
    line.append(static_cast<std::size_t>(filled), '#');
    line.append(static_cast<std::size_t>(kBarCells - filled), ' ');
    line += "] ";
    std::string number = std::to_string(percent);
    line.append(3 - std::min<std::size_t>(3, number.size()), ' ');
    line += number;
    line += " %";
    return line;
}

void TerminalProgress::Draw(bool force)
{
    if (!enabled_ || !shown_)
        return;
    const int percent = Percent();
    if (!force && percent == drawnPercent_)
        return;
    drawnPercent_ = percent;
    const std::string line = Line();
    drawnWidth_ = line.size();
    std::fprintf(stream_, "\r%s", line.c_str());
    std::fflush(stream_);
}

} // namespace kp
