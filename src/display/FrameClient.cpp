#include "display/FrameClient.h"

#include <QFrame>

namespace kp {

namespace {

QWidget* EmptyPane(const QString& name, QWidget* parent)
{
    auto* pane = new QFrame(parent);
    pane->setObjectName(name);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->hide();
    return pane;
}

void Place(QWidget* w, const QRect& r)
{
    if (!w)
        return;
    if (r.isEmpty()) {
        w->hide();
        return;
    }
    w->setGeometry(r);
    w->show();
}

} // namespace

FrameClient::FrameClient(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameClient"));
    title_ = EmptyPane(QStringLiteral("TitleStrip"), this);
    gauge_ = EmptyPane(QStringLiteral("Gauge"), this);
    remark_ = EmptyPane(QStringLiteral("RemarkList"), this);
}

QWidget* FrameClient::Replace(QWidget* old, QWidget* pane, QWidget* parent)
{
    if (old && old != pane)
        old->deleteLater();
    pane->setParent(parent);
    return pane;
}

void FrameClient::SetView(QWidget* view)
{
    view_ = view;
    view_->setParent(this);
    Relayout();
}

void FrameClient::SetTitlePane(QWidget* pane)
{
    title_ = Replace(title_, pane, this);
    Relayout();
}

void FrameClient::SetGaugePane(QWidget* pane)
{
    gauge_ = Replace(gauge_, pane, this);
    Relayout();
}

void FrameClient::SetRemarkPane(QWidget* pane)
{
    remark_ = Replace(remark_, pane, this);
    Relayout();
}

void FrameClient::Relayout()
{
    const FramePanes panes = panes_ ? panes_() : FramePanes{};
    rects_ = ComputeFrameLayout(rect(), panes);
    Place(title_, rects_.title);
    Place(gauge_, rects_.gauge);
    Place(remark_, rects_.remark);
    if (view_)
        view_->setGeometry(rects_.view);
}

void FrameClient::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

} // namespace kp
