#include "infowin/ToolWindowGeometry.h"

#include "view/ToolWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kp {

namespace {

QRect ToQRect(const SettingsRect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}
SettingsRect FromQRect(const QRect& r)
{
    return { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
}

} // namespace

QRect ToolWindowGeometry(const QWidget* frame, const std::optional<SettingsRect>& savedRelative)
{
    const QRect f = frame ? frame->frameGeometry() : QRect(0, 0, 800, 600);
    QScreen* screen = frame && frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    QRect r = ToQRect(PlaceToolWindow(savedRelative, FromQRect(f), FromQRect(available)));
    r.setWidth(std::clamp(r.width(), 120, std::max(available.width(), 120)));
    r.setHeight(std::clamp(r.height(), 120, std::max(available.height(), 120)));
    r.moveLeft(std::clamp(r.left(), available.left(), std::max(available.left(), available.right() - r.width() + 1)));
    r.moveTop(std::clamp(r.top(), available.top(), std::max(available.top(), available.bottom() - r.height() + 1)));
    return r;
}

SettingsRect ToolWindowPlacementOf(const QWidget* window, const QWidget* frame)
{
    const QRect f = frame ? frame->frameGeometry() : QRect();
    return RelativeToFrame(FromQRect(window->geometry()), FromQRect(f));
}

} // namespace kp
