#pragma once
// Where a tool window (trace, properties) opens: where the user left it,
// relative to the main window, when that is still on the screen; otherwise
// beside, below or above the main window, wherever there is room.

#include "format/SettingsEncoding.h"

#include <optional>

namespace kp {

// Rectangles as left, top, right, bottom (exclusive right and bottom).
SettingsRect PlaceToolWindow(
    const std::optional<SettingsRect>& savedRelative, const SettingsRect& frame, const SettingsRect& screen);

// The window's rectangle as the placement stores it: relative to the frame.
SettingsRect RelativeToFrame(const SettingsRect& window, const SettingsRect& frame);

} // namespace kp
