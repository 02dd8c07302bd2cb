#pragma once
// Tool-window placement in screen coordinates: the placement rule of
// view/ToolWindowPlacement applied to the frame and its screen, then kept
// inside the screen's available area (a window saved on another monitor
// never opens off screen).

#include "format/SettingsEncoding.h"

#include <QRect>

#include <optional>

class QWidget;

namespace kp {

QRect ToolWindowGeometry(const QWidget* frame, const std::optional<SettingsRect>& savedRelative);
// The window's rectangle relative to the frame, as "Placement" stores it.
SettingsRect ToolWindowPlacementOf(const QWidget* window, const QWidget* frame);

} // namespace kp
