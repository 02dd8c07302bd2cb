#pragma once
// Where the main window opens. With a stored placement the stored size is
// used, and its position too when "Fix Startup Window Position" is on. On the
// first start nothing is stored: the window then takes a large, centred share
// of the screen's available area, so that a record fills the view at its first
// fitting magnification, or opens maximised on a screen too small for that.

#include <optional>
#include <string_view>

namespace kp {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

struct StartPlacement {
    ScreenRect normal; // the window's normal (not maximised) geometry
    bool positioned = false; // false: the size alone is set, the desktop places the window
    bool maximised = false;
    bool operator==(const StartPlacement&) const = default;
};

// Share of the available width and height taken on the first start, in percent.
inline constexpr int kFirstStartShare = 80;
// Below this size the first-start share is too cramped to read a record:
// the window opens maximised instead.
inline constexpr int kComfortableWidth = 800;
inline constexpr int kComfortableHeight = 500;
// The smallest size the frame accepts.
inline constexpr int kMinimumFrameSize = 250;

// stored: the "Placement" rectangle as left, top, width, height; cmdShow: the
// stored show state (3 maximised); available: the screen's area free of
// panels and docks.
StartPlacement ChooseStartPlacement(
    const std::optional<ScreenRect>& stored, bool fixWindowPos, int cmdShow, const ScreenRect& available);

// "WIDTHxHEIGHT" with both between kMinimumFrameSize and 100000; nullopt otherwise.
std::optional<ScreenRect> ParseScreenSize(std::string_view text);

} // namespace kp
