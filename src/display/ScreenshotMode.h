#pragma once
// kp --screenshot OUT.png FILE [--show NAMES] [--scheme black|white]
// [--screen-size WxH]: renders the main window showing FILE without a display
// and saves it as a PNG. The window is the one the interactive program opens
// for FILE with the settings of an empty store (the desktop's colours, default
// panes, the first-start placement on a screen of WxH, 1600x1000 unless
// given), so the picture shows what a new user sees and does not depend on
// anyone's settings. NAMES is a comma
// list of panes (title, gauge, remarks), switched on in the main picture, and
// tool windows, each saved beside OUT as OUT-NAME.png. A scheme is applied
// by the scheme command of the View menu.

#include <QString>
#include <QStringList>

namespace kp {

// True when the command line asks for a screenshot.
bool IsScreenshotRequest(int argc, char** argv);

struct ScreenshotRequest {
    QString out;
    QString file;
    QStringList show; // panes and tool windows by name ("gauge", "control", ...)
    int scheme = 0; // 1 black, 2 white background; 0 none
    QString screenSize = QStringLiteral("1600x1000");
    QString error; // non-empty: the command line is not usable
};

ScreenshotRequest ParseScreenshotRequest(int argc, char** argv);

// OUT-NAME.png beside OUT.png.
QString ToolWindowPicturePath(const QString& out, const QString& name);

// The whole run; returns the process's exit status (0 when the PNGs were written).
int RunScreenshot(int argc, char** argv);

} // namespace kp
