#include "display/ToolWindowPictures.h"

#include "display/CMainFrame.h"
#include "display/ControlPanelHost.h"
#include "display/ScreenshotWindows.h"
#include "display/WaveControlPanel.h"
#include "infowin/InfoWindows.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace kp {

namespace {

using Opener = std::function<QWidget*(CMainFrame&)>;

const std::vector<std::pair<QString, Opener>>& Table()
{
    static const std::vector<std::pair<QString, Opener>> table {
        { QStringLiteral("control"),
            [](CMainFrame& frame) -> QWidget* {
                frame.ControlPanel().SetShown(true);
                return &frame.ControlPanel().Panel();
            } },
        { QStringLiteral("trace"),
            [](CMainFrame& frame) { return frame.Windows().ShowByName(QStringLiteral("trace")); } },
        { QStringLiteral("properties"),
            [](CMainFrame& frame) { return frame.Windows().ShowByName(QStringLiteral("properties")); } },
    };
    return table;
}

// A translucent window as the desktop shows it: its own pixels at its
// opacity, over whatever lies behind (here: nothing).
QImage Translucent(const QImage& image, qreal opacity)
{
    if (opacity >= 1.0)
        return image;
    QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(image.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setOpacity(opacity);
    painter.drawImage(0, 0, image);
    return out;
}

} // namespace

QStringList ToolWindowNames()
{
    QStringList names;
    for (const auto& [name, open] : Table())
        names << name;
    return names + FileWindowNames();
}

bool IsToolWindowName(const QString& name)
{
    return ToolWindowNames().contains(name);
}

QImage GrabToolWindow(CMainFrame& frame, const QString& name)
{
    for (const auto& [known, open] : Table()) {
        if (known != name)
            continue;
        QWidget* window = open(frame);
        if (window == nullptr)
            return {};
        window->show();
        QApplication::processEvents();
        return Translucent(window->grab().toImage(), window->windowOpacity());
    }
    return GrabFileWindow(frame, name);
}

} // namespace kp
