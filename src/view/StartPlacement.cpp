#include "view/StartPlacement.h"

#include <algorithm>
#include <charconv>

namespace kp {

namespace {

constexpr int kCmdShowMaximised = 3;

int Share(int length)
{
    return static_cast<int>(static_cast<long long>(length) * kFirstStartShare / 100);
}

} // namespace

StartPlacement ChooseStartPlacement(
    const std::optional<ScreenRect>& stored, bool fixWindowPos, int cmdShow, const ScreenRect& available)
{
    StartPlacement p;
    p.maximised = cmdShow == kCmdShowMaximised;
    if (stored) {
        p.normal = { stored->left, stored->top, std::max(stored->width, kMinimumFrameSize),
            std::max(stored->height, kMinimumFrameSize) };
        p.positioned = fixWindowPos;
        return p;
    }
    const int width = Share(available.width);
    const int height = Share(available.height);
    if (width < kComfortableWidth || height < kComfortableHeight)
        p.maximised = true;
    p.normal.width = std::max(width, kMinimumFrameSize);
    p.normal.height = std::max(height, kMinimumFrameSize);
    p.normal.left = available.left + std::max(available.width - p.normal.width, 0) / 2;
    p.normal.top = available.top + std::max(available.height - p.normal.height, 0) / 2;
    p.positioned = true;
    return p;
}

std::optional<ScreenRect> ParseScreenSize(std::string_view text)
{
    constexpr int kLargest = 100000;
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos)
        return std::nullopt;
    auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        const char* end = digits.data() + digits.size();
        if (digits.empty() || digits.front() < '0' || digits.front() > '9')
            return std::nullopt;
        const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
        if (ec != std::errc() || ptr != end || value < kMinimumFrameSize || value > kLargest)
            return std::nullopt;
        return value;
    };
    const auto width = number(text.substr(0, x));
    const auto height = number(text.substr(x + 1));
    if (!width || !height)
        return std::nullopt;
    return ScreenRect { 0, 0, *width, *height };
}

} // namespace kp
