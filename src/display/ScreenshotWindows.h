#pragma once
// kp --screenshot OUT.png [FILE] --show NAME[,NAME...]: the picture of the
// main window with the named windows on it, laid over it as the desktop
// would show them. Names: "blocks" (the block list), "open" (the open dialog
// with the preview of FILE), "batch" (the batch conversion dialog with the
// files of FILE's folder chosen).

#include <QImage>
#include <QStringList>

namespace kp {

class CMainFrame;

// The names after "--show" (comma-separated, may be given more than once).
QStringList ScreenshotShowList(int argc, char** argv);

// The frame's picture with the named windows over it. Unknown names are
// returned in unknown.
QImage PictureWithWindows(CMainFrame& frame, const QStringList& names, const QString& file, QStringList& unknown);

} // namespace kp
