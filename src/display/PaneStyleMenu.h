#pragma once
// The context menu of the title strip and the remark list: text colour,
// background colour and font of the pane.

#include <QPoint>

class QWidget;

namespace kp {

// Shows the menu at a global position; 0 text, 1 background, 2 font, -1 none.
int ExecPaneStyleMenu(QWidget* parent, const QPoint& globalPos);

} // namespace kp
