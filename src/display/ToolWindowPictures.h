#pragma once
// The tool windows that kp --screenshot --show can picture, by name.

#include <QImage>
#include <QStringList>

namespace kp {

class CMainFrame;

QStringList ToolWindowNames();
bool IsToolWindowName(const QString& name);

// Opens the named tool window of the frame as its command would and renders
// it; a null image for an unknown name.
QImage GrabToolWindow(CMainFrame& frame, const QString& name);

} // namespace kp
