#include "display/WaveTitleStrip.h"

#include "display/PaneStyleMenu.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace kp {

WaveTitleStrip::WaveTitleStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TitleStrip"));
}

void WaveTitleStrip::SetText(const QString& text)
{
    text_ = text;
    update();
}

void WaveTitleStrip::SetColours(const QColor& text, const QColor& back)
{
    textColour_ = text;
    backColour_ = back;
    update();
}

void WaveTitleStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColour_);
    p.setPen(textColour_);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

void WaveTitleStrip::contextMenuEvent(QContextMenuEvent* event)
{
    const int which = ExecPaneStyleMenu(this, event->globalPos());
    if (which >= 0)
        emit styleCommand(which);
}

} // namespace kp
