#include "view/ToolWindowPlacement.h"

namespace kp {

namespace {

constexpr int kSideWidth = 300;
constexpr int kBandHeight = 200;

SettingsRect Shift(const SettingsRect& r, int dx, int dy)
{
    return { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
}

} // namespace

SettingsRect PlaceToolWindow(
    const std::optional<SettingsRect>& savedRelative, const SettingsRect& frame, const SettingsRect& screen)
{
    if (savedRelative) {
        const SettingsRect r = Shift(*savedRelative, frame.left, frame.top);
        const int screenHeight = screen.bottom - screen.top;
        if (r.left >= screen.left && r.left < screen.right && r.top >= -9 && r.top <= screenHeight && r.right > r.left
            && r.bottom > r.top)
            return r;
    }
    if (frame.right + kSideWidth <= screen.right)
        return { frame.right, frame.top, frame.right + kSideWidth, frame.bottom };
    if (frame.left >= kSideWidth + 1)
        return { frame.left - kSideWidth, frame.top, frame.left, frame.bottom };
    if (screen.bottom - frame.bottom >= kBandHeight + 1)
        return { frame.left, frame.bottom, frame.right, frame.bottom + kBandHeight };
    if (frame.top >= kBandHeight + 1)
        return { frame.left, frame.top - kBandHeight, frame.right, frame.top };
    return { (frame.left + frame.right) / 2, frame.top, frame.right, frame.bottom };
}

SettingsRect RelativeToFrame(const SettingsRect& window, const SettingsRect& frame)
{
    return Shift(window, -frame.left, -frame.top);
}

} // namespace kp
