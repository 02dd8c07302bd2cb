// Cursors A and B: picking up a cursor mark or placing a cursor with Shift or
// Ctrl, dragging its line (with automatic scrolling past the window's edges),
// and the release rule that keeps A <= B. Jumps to cursors, trigger,
// post-trigger and events.

#include "display/CKpView.h"

#include "app/KpSettings.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace kp {

namespace {

constexpr int kAutoScrollStep = 200;

bool HitsMark(int logicalX, int y, std::int64_t position, std::int64_t ppc)
{
    const std::int64_t markX = position / ppc + kWaveLeftMargin;
    return std::abs(logicalX - markX) < 6 && y >= 19 && y <= 27;
}

} // namespace

void CKpView::SetCursors(std::int64_t a, std::int64_t b)
{
    if (!record_)
        return;
    const std::int64_t last = std::max<std::int64_t>(record_->points - 1, 0);
    a = std::clamp<std::int64_t>(a, 0, last);
    b = std::clamp<std::int64_t>(b, 0, last);
    if (a > b)
        std::swap(a, b);
    cursorA_ = a;
    cursorB_ = b;
    emit cursorsChanged();
    RedrawMarkStrip();
}

void CKpView::mousePressEvent(QMouseEvent* event)
{
    if (!loaded_ || suspended_ || event->button() != Qt::LeftButton || drag_ != CursorId::None) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    const int logicalX = x + ScrollX();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const QRect area = WaveArea();
    if (mods & (Qt::ShiftModifier | Qt::ControlModifier)) {
        const CursorId which = (mods & Qt::ShiftModifier) ? CursorId::A : CursorId::B;
        if (logicalX >= area.left() && logicalX <= area.right() && y >= area.top() && y <= area.bottom())
            StartDrag(which, x);
        return;
    }
    // The marks can be picked up where they stand even when they are not drawn.
    const std::int64_t ppc = PointsPerColumn();
    if (HitsMark(logicalX, y, cursorA_, ppc))
        StartDrag(CursorId::A, x);
    else if (HitsMark(logicalX, y, cursorB_, ppc))
        StartDrag(CursorId::B, x);
}

void CKpView::StartDrag(CursorId which, int clientX)
{
    drag_ = which;
    scrolledLeft_ = scrolledRight_ = false;
    dragX_ = clientX;
    UpdateDragColumn(dragX_);
}

void CKpView::UpdateDragColumn(int clientX) { viewport()->update(QRect(clientX, 0, 1, viewport()->height())); }

void CKpView::MoveDragLine(int clientX)
{
    const int scroll = ScrollX();
    const QRect area = WaveArea();
    int x = std::clamp(clientX, area.left() - scroll, area.right() - scroll);
    x = std::clamp(x, 0, std::max(viewport()->width() - 1, 0));
    if (x == dragX_)
        return;
    UpdateDragColumn(dragX_);
    dragX_ = x;
    UpdateDragColumn(dragX_);
}

void CKpView::mouseMoveEvent(QMouseEvent* event)
{
    if (drag_ == CursorId::None) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const int x = event->position().toPoint().x();
    QScrollBar* bar = horizontalScrollBar();
    if (x >= viewport()->width() && bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + kAutoScrollStep);
        scrolledRight_ = true;
    } else if (x < 0 && bar->value() > bar->minimum()) {
        bar->setValue(bar->value() - kAutoScrollStep);
        scrolledLeft_ = true;
    }
    MoveDragLine(x);
}

void CKpView::mouseReleaseEvent(QMouseEvent* event)
{
    if (drag_ == CursorId::None || event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    scrolledLeft_ = scrolledRight_ = false;
    const CursorId which = drag_;
    drag_ = CursorId::None;
    UpdateDragColumn(dragX_);

    const int x = event->position().toPoint().x();
    std::int64_t position = (static_cast<std::int64_t>(x) + ScrollX() - kWaveLeftMargin) * PointsPerColumn();
    position = std::clamp<std::int64_t>(position, 0, record_->points - 1);
    if (which == CursorId::A)
        cursorA_ = position;
    else
        cursorB_ = position;
    if (cursorA_ > cursorB_)
        std::swap(cursorA_, cursorB_);
    emit cursorsChanged();
    RedrawMarkStrip();
}

// -------------------------------------------------------------------- jumps

void CKpView::JumpTo(std::int64_t position)
{
    if (!loaded_)
        return;
    const int columns = WaveArea().right() - kWaveLeftMargin;
    const bool exceedsWindow = columns + kWaveLeftMargin + kWaveRightMargin >= viewport()->width();
    if (position >= 0 && exceedsWindow) {
        const std::int64_t column = position / PointsPerColumn();
        horizontalScrollBar()->setValue(static_cast<int>(std::min<std::int64_t>(column, kMaxWaveColumns)));
    }
    RedrawMarkStrip();
}

void CKpView::JumpToTrigger()
{
    if (CanJumpToTrigger())
        JumpTo(record_->trigger);
}

void CKpView::JumpToPostTrigger()
{
    if (CanJumpToPostTrigger())
        JumpTo(record_->postTrigger);
}

bool CKpView::CanJumpToCursors() const { return loaded_ && settings_.drawSaveMark; }

bool CKpView::CanJumpToTrigger() const { return loaded_ && record_->hasTrigger && record_->trigger >= 0; }

bool CKpView::CanJumpToPostTrigger() const
{
    return loaded_ && record_->hasPostTrigger && record_->postTrigger >= 0;
}

void CKpView::SelectEvent(int index)
{
    if (!loaded_ || index < 0 || index >= static_cast<int>(record_->events.size()))
        return;
    currentEvent_ = index;
    JumpTo(record_->events[static_cast<std::size_t>(index)]);
}

} // namespace kp
