#pragma once
// The view's context menus: "_No Wave_" while nothing is loaded (only the
// background colour), the normal one, and "_Secret2_" with the colour schemes
// and "Hack Mode" (right click with Ctrl and Shift held).

#include <QObject>
#include <QPoint>

class QMenu;

namespace kp {

class CMainFrame;
class LookCommands;

enum class ViewMenuKind { NoWave, Normal, Secret };

class ViewContextMenu : public QObject {
    Q_OBJECT

public:
    ViewContextMenu(CMainFrame& frame, LookCommands& look);

    // Which menu a right click opens with these modifiers.
    ViewMenuKind KindFor(Qt::KeyboardModifiers modifiers) const;
    // Fills menu as the view's context menu of that kind.
    void Fill(QMenu& menu, ViewMenuKind kind) const;

private:
    void Open(const QPoint& viewportPos);

    CMainFrame& frame_;
    LookCommands& look_;
};

} // namespace kp
