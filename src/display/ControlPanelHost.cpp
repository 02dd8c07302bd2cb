#include "display/ControlPanelHost.h"

#include "display/CommandActions.h"

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "display/WaveControlPanel.h"
#include "view/ViewSettings.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace kp {

ControlPanelHost::ControlPanelHost(CMainFrame& frame)
    : QObject(&frame)
    , frame_(frame)
{
    toggle_ = MakeCommandAction(this, CommandId::WaveControlPanel);
    toggle_->setCheckable(true);
    connect(toggle_, &QAction::triggered, this, [this](bool on) { SetShown(on); });
    frame.installEventFilter(this);

    CKpView& view = frame.View();
    connect(&view, &CKpView::recordLoaded, this, [this] {
        if (firstLoad_ && frame_.View().OwnSettings().showControlPanel)
            SetShown(true);
        firstLoad_ = false;
        if (panel_)
            panel_->Refresh();
    });
    connect(&view, &CKpView::recordCleared, this, [this] { SetShown(false); });
    connect(&view, &CKpView::channelsChanged, this, [this] {
        if (panel_ && !panel_->IsEditing())
            panel_->Refresh();
    });
}

WaveControlPanel& ControlPanelHost::Panel()
{
    if (panel_ == nullptr) {
        panel_ = new WaveControlPanel(frame_.View(), frame_.Settings(), &frame_);
        panel_->installEventFilter(this);
        panel_->ApplyTranslucency(frame_.Settings());
        const SettingsPoint none { -100000, -100000 };
        const SettingsPoint offset = ReadPoint(frame_.Services().store, settings::kControlPanelPlacement, none);
        const QPoint corner = frame_.pos() + QPoint(offset.x, offset.y);
        const QRect screen = frame_.screen() ? frame_.screen()->geometry() : QRect(0, 0, 1920, 1080);
        // A corner too far out would put the panel where nobody finds it.
        if (offset.x != none.x && corner.x() >= -199 && corner.x() < screen.width() && corner.y() >= 1
            && corner.y() < screen.height())
            panel_->move(corner);
        else if (frame_.frameGeometry().right() + 8 + panel_->sizeHint().width() < screen.right())
            panel_->move(frame_.frameGeometry().topRight() + QPoint(8, 0));
        else
            panel_->move(frame_.geometry().topRight() + QPoint(-panel_->sizeHint().width() - 40, 80));
    }
    return *panel_;
}

bool ControlPanelHost::IsShown() const
{
    return panel_ && panel_->isVisible();
}

void ControlPanelHost::SetShown(bool shown)
{
    if (shown && !frame_.View().IsLoaded())
        shown = false;
    if (shown) {
        Panel().Refresh();
        panel_->show();
        panel_->raise();
    } else if (panel_) {
        panel_->hide();
    }
    toggle_->setChecked(shown);
}

bool ControlPanelHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &frame_) {
        if (event->type() == QEvent::Close)
            Store();
    } else if (watched == panel_ && (event->type() == QEvent::Hide || event->type() == QEvent::Show)) {
        toggle_->setChecked(event->type() == QEvent::Show);
    }
    return QObject::eventFilter(watched, event);
}

void ControlPanelHost::Store()
{
    if (stored_)
        return;
    stored_ = true;
    SettingsStore& store = frame_.Services().store;
    if (panel_) {
        const QPoint offset = panel_->pos() - frame_.pos();
        WritePoint(store, settings::kControlPanelPlacement, SettingsPoint { offset.x(), offset.y() });
    }
    WriteInt(store, settings::kShowControlPanel, IsShown() ? 1 : 0);
}

} // namespace kp
