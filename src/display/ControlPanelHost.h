#pragma once
// Owns the wave control panel for the frame: "&Wave Control Panel" (Ctrl+C)
// shows and hides it; it is created on first use at its stored offset from
// the frame, refreshes when the view's channels change, reopens at the first
// load when it was open at the last exit ("ShowControlPanel"), and stores its
// offset and visibility when the frame closes. Like every tool window it
// follows the frame as the frame moves.

#include "app/SettingsKeys.h"

#include <QObject>

class QAction;

namespace kp {

class CMainFrame;
class WaveControlPanel;

class ControlPanelHost : public QObject {
    Q_OBJECT

public:
    explicit ControlPanelHost(CMainFrame& frame);

    QAction* toggle() const { return toggle_; }
    // Creates the panel when it does not exist yet.
    WaveControlPanel& Panel();
    bool IsShown() const;
    void SetShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Store();

    CMainFrame& frame_;
    QAction* toggle_ = nullptr;
    WaveControlPanel* panel_ = nullptr;
    bool firstLoad_ = true;
    bool stored_ = false;
};

} // namespace kp
