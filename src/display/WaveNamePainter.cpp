// Logic channel names at both ends of the strip, and the brackets that mark
// a name standing for a group of channels.

#include "display/WavePainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace kp {

namespace {

void PaintBracket(QPainter& painter, const BracketShape& b, const QColor& colour)
{
    const int arm = b.armTo - b.armFrom + 1;
    painter.fillRect(QRect(b.barX, b.top, 1, b.bottom - b.top + 1), colour);
    painter.fillRect(QRect(b.armFrom, b.top, arm, 1), colour);
    painter.fillRect(QRect(b.armFrom, b.bottom, arm, 1), colour);
}

} // namespace

void PaintLogicNames(QPainter& painter, const PaintParams& p)
{
    const QFontMetrics fm(p.font);
    const int h = fm.height();
    for (const LogicName& n : p.logicNames) {
        if (n.traceIndex < 0 || n.traceIndex >= static_cast<int>(p.logic.size()) || n.text.isEmpty())
            continue;
        const LogicTrace& t = p.logic[static_cast<std::size_t>(n.traceIndex)];
        const int high = LogicRow(1, p.waveTop(), p.waveBottom(), t.heightFraction, t.position);
        const int low = LogicRow(0, p.waveTop(), p.waveBottom(), t.heightFraction, t.position);
        const int row = (high + low) / 2;
        const int top = row - h / 2;
        const int w = fm.horizontalAdvance(n.text);
        int leftEdge = p.waveLeft() - 4; // the name's right edge, exclusive
        int rightEdge = p.waveRight() + 5;
        if (n.bracketed) {
            const BracketShape left = LogicNameBracket(p, row, true);
            const BracketShape right = LogicNameBracket(p, row, false);
            PaintBracket(painter, left, n.colour);
            PaintBracket(painter, right, n.colour);
            leftEdge = left.nameEdge;
            rightEdge = right.nameEdge;
        }
        painter.setPen(n.colour);
        painter.drawText(QRect(leftEdge - w, top, w, h), Qt::AlignRight | Qt::AlignTop, n.text);
        painter.drawText(QRect(rightEdge, top, w + 2, h), Qt::AlignLeft | Qt::AlignTop, n.text);
    }
}

BracketShape LogicNameBracket(const PaintParams& p, int row, bool leftEnd)
{
    BracketShape b;
    b.top = row - kLogicBracketHigh / 2;
    b.bottom = b.top + kLogicBracketHigh - 1;
    if (leftEnd) {
        // Arms end 4 px left of the wave area, where a plain name ends.
        b.armTo = p.waveLeft() - 5;
        b.armFrom = b.armTo - kLogicBracketLong + 1;
        b.barX = b.armFrom;
        b.nameEdge = b.barX - 2;
    } else {
        b.armFrom = p.waveRight() + 5;
        b.armTo = b.armFrom + kLogicBracketLong - 1;
        b.barX = b.armTo;
        b.nameEdge = b.barX + 3;
    }
    return b;
}

} // namespace kp
