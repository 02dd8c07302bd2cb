#include "infowin/ToolWindow.h"

#include "app/KpSettings.h"
#include "infowin/ToolWindowGeometry.h"
#include "view/ToolWindowOpacity.h"

#include <QCloseEvent>
#include <QEvent>

namespace kp {

ToolWindow::ToolWindow(QWidget* frame, SettingsStore* store, std::optional<SettingKey> shownKey)
    : QWidget(frame, Qt::Tool)
    , frame_(frame)
    , store_(store)
    , shownKey_(shownKey)
{
    if (frame_ != nullptr) {
        framePos_ = frame_->pos();
        frame_->installEventFilter(this);
    }
}

void ToolWindow::ApplyTranslucency(const KpSettings& settings)
{
    setWindowOpacity(ToolWindowOpacity(settings.dlgLayered, settings.dlgLayeredBlend));
}

void ToolWindow::PlaceBesideFrame()
{
    setGeometry(ToolWindowGeometry(frame_, SavedPlacement()));
    placed_ = true;
}

void ToolWindow::SaveSettings()
{
    std::optional<SettingsRect> placement;
    if (placed_ && frame_ != nullptr)
        placement = ToolWindowPlacementOf(this, frame_);
    StoreSettings(placement);
    if (store_ != nullptr && shownKey_)
        WriteInt(*store_, *shownKey_, isVisible() ? 1 : 0);
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    // Windows closed along with the frame were saved by it, as open; only
    // the user's own close of the window says it is no longer wanted.
    if (!frameClosing_) {
        SaveSettings();
        if (store_ != nullptr && shownKey_)
            WriteInt(*store_, *shownKey_, 0);
    }
    QWidget::closeEvent(event);
    emit closed();
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frame_ && event->type() == QEvent::Close)
        frameClosing_ = true;
    if (watched == frame_ && event->type() == QEvent::Move) {
        // Hidden windows move too, so that they reopen where they stood
        // relative to the frame. A frame that is not shown yet is only being
        // placed: windows restored to their own places stay there.
        const QPoint now = frame_->pos();
        if (frame_->isVisible())
            move(pos() + (now - framePos_));
        framePos_ = now;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kp
