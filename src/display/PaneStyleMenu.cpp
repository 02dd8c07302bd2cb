#include "display/PaneStyleMenu.h"

#include <QAction>
#include <QMenu>

namespace kp {

int ExecPaneStyleMenu(QWidget* parent, const QPoint& globalPos)
{
    QMenu menu(parent);
    const QAction* items[] = {
        menu.addAction(QStringLiteral("&Text...")),
        menu.addAction(QStringLiteral("&Background...")),
        menu.addAction(QStringLiteral("&Font...")),
    };
    const QAction* chosen = menu.exec(globalPos);
    for (int i = 0; i < 3; ++i) {
        if (chosen != nullptr && chosen == items[i])
            return i;
    }
    return -1;
}

} // namespace kp
