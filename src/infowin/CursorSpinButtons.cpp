#include "infowin/CursorSpinButtons.h"

#include "view/CursorMoves.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace kp {

namespace {

// A step that follows the previous one this soon belongs to the same press.
constexpr int kRepeatGapMs = 250;

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(400);
    b->setAutoRepeatInterval(60);
    b->setFixedSize(18, 12);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

CursorSpinButtons::CursorSpinButtons(QWidget* parent)
    : QWidget(parent)
    , up_(ArrowButton(Qt::UpArrow, this))
    , down_(ArrowButton(Qt::DownArrow, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    up_->installEventFilter(this);
    down_->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

bool CursorSpinButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        pressModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
        repeats_ = 0;
        lastStep_.invalidate();
    }
    return QWidget::eventFilter(watched, event);
}

void CursorSpinButtons::Step(int direction)
{
    if (lastStep_.isValid() && lastStep_.elapsed() < kRepeatGapMs)
        ++repeats_;
    else
        repeats_ = 0;
    lastStep_.start();
    emit stepped(direction * SpinStep(repeats_), pressModifiers_);
}

} // namespace kp
