#include "display/WaveTitleStrip.h"

#include <QContextMenuEvent>
#include <QMenu>
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
    QMenu menu(this);
    const QAction* text = menu.addAction(QStringLiteral("&Text..."));
    const QAction* back = menu.addAction(QStringLiteral("&Background..."));
    const QAction* font = menu.addAction(QStringLiteral("&Font..."));
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == text)
        emit styleCommand(0);
    else if (chosen == back)
        emit styleCommand(1);
    else if (chosen == font)
        emit styleCommand(2);
}

} // namespace kp
