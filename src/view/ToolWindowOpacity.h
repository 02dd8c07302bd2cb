#pragma once
// How opaque the tool windows are drawn: fully, unless the translucent
// dialogs are on, then the density in percent. A stored density outside the
// range the density dialog offers is brought into it, so that no setting can
// make a window vanish.

namespace kp {

inline constexpr int kMinDialogDensity = 10;
inline constexpr int kMaxDialogDensity = 100;
inline constexpr int kDefaultDialogDensity = 80;

int ClampDialogDensity(int percent);
// 1.0 for opaque, down to 0.1.
double ToolWindowOpacity(bool translucent, int densityPercent);

} // namespace kp
