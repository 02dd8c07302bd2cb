#pragma once
// The frame's own commands: open, the recent files, the two save commands,
// exit, the bar and pane switches, the startup-position switch and the
// capture of the display to the clipboard.

#include <QObject>

class QAction;
class QMenu;

namespace kp {

class CMainFrame;

class FrameCommands : public QObject {
    Q_OBJECT

public:
    explicit FrameCommands(CMainFrame& frame);

    QAction* open() const { return open_; }
    QAction* saveAll() const { return saveAll_; }
    QAction* saveBetweenCursors() const { return saveBetween_; }
    QAction* exit() const { return exit_; }
    QAction* toolbar() const { return toolbar_; }
    QAction* title() const { return title_; }
    QAction* remarks() const { return remarks_; }
    QAction* gauge() const { return gauge_; }
    QAction* capture() const { return capture_; }
    QAction* fixWindowPos() const { return fixPos_; }
    // The recent files, "&1 path" ... ; rebuilt whenever the menu opens.
    QMenu* recentMenu() const { return recent_; }

    void OpenWithDialog();
    // Copies the view and its panes to the clipboard as a bitmap.
    void CaptureDisplay();

public slots:
    void UpdateStates();

private:
    void FillRecentMenu();

    CMainFrame& frame_;
    QAction* open_ = nullptr;
    QAction* saveAll_ = nullptr;
    QAction* saveBetween_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* toolbar_ = nullptr;
    QAction* title_ = nullptr;
    QAction* remarks_ = nullptr;
    QAction* gauge_ = nullptr;
    QAction* capture_ = nullptr;
    QAction* fixPos_ = nullptr;
    QMenu* recent_ = nullptr;
};

} // namespace kp
