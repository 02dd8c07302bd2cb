#include "display/ViewContextMenu.h"

#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "display/ControlPanelHost.h"
#include "display/LookCommands.h"
#include "display/ViewCommands.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>

namespace kp {

ViewContextMenu::ViewContextMenu(CMainFrame& frame, LookCommands& look)
    : QObject(&frame)
    , frame_(frame)
    , look_(look)
{
    // A scroll area takes its viewport's context menu requests; the position
    // comes in viewport coordinates.
    CKpView& view = frame.View();
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view, &QWidget::customContextMenuRequested, this, &ViewContextMenu::Open);
}

ViewMenuKind ViewContextMenu::KindFor(Qt::KeyboardModifiers modifiers) const
{
    const auto held = modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == (Qt::ControlModifier | Qt::ShiftModifier))
        return ViewMenuKind::Secret;
    return frame_.View().IsLoaded() ? ViewMenuKind::Normal : ViewMenuKind::NoWave;
}

void ViewContextMenu::Fill(QMenu& menu, ViewMenuKind kind) const
{
    ViewCommands& v = frame_.WaveCommands();
    switch (kind) {
    case ViewMenuKind::NoWave:
        menu.setTitle(QStringLiteral("_No Wave_"));
        menu.addMenu(QStringLiteral("&Color"))->addAction(look_.viewBackground());
        return;
    case ViewMenuKind::Secret: {
        menu.setTitle(QStringLiteral("_Secret2_"));
        menu.addAction(look_.blackBackground());
        menu.addAction(look_.whiteBackground());
        // Places kept for further schemes; they do nothing.
        for (int i = 0; i < 3; ++i)
            menu.addAction(QStringLiteral("Scheme"))->setEnabled(false);
        menu.addSeparator();
        menu.addAction(look_.hackMode());
        return;
    }
    case ViewMenuKind::Normal:
        break;
    }
    v.UpdateStates();
    menu.addAction(v.zoomIn());
    menu.addAction(v.zoomOut());
    menu.addSeparator();
    menu.addAction(v.allOn());
    menu.addAction(v.allOff());
    menu.addAction(frame_.ControlPanel().toggle());
    menu.addSeparator();
    QMenu* colour = menu.addMenu(QStringLiteral("&Color"));
    colour->addAction(look_.viewText());
    colour->addAction(look_.viewBackground());
    colour->addAction(look_.viewGrid());
    menu.addAction(look_.viewFont());
    menu.addSeparator();
    menu.addAction(v.lineStyle());
    menu.addAction(v.dotsStyle());
    menu.addAction(v.reverseOrder());
}

void ViewContextMenu::Open(const QPoint& viewportPos)
{
    QMenu menu(&frame_.View());
    Fill(menu, KindFor(QGuiApplication::keyboardModifiers()));
    menu.exec(frame_.View().viewport()->mapToGlobal(viewportPos));
}

} // namespace kp
