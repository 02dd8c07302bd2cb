#pragma once
// The pictures of the file windows for kp --screenshot ... --show NAMES:
// "blocks" (the block list of the index file shown), "open" (the open dialog
// with the preview of the file shown) and "batch" (the batch conversion
// dialog with the recordings of that file's folder chosen), each as the
// window itself draws it.

#include <QImage>
#include <QStringList>

namespace kp {

class CMainFrame;

QStringList FileWindowNames();

// A null image for a name that is not one of FileWindowNames().
QImage GrabFileWindow(CMainFrame& frame, const QString& name);

} // namespace kp
