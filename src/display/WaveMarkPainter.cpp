// Marks above the wave area: trigger and post-trigger flags with a T cut out
// of them, triangles for the cursors and the event marks.

#include "display/WavePainter.h"
#include "view/DivisionGeometry.h"

#include <QPainter>
#include <QPolygon>

namespace kp {

namespace {

void FillPolygon(QPainter& painter, const QPolygon& poly, const QColor& colour)
{
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(poly);
}

QPoint Anchor(const PaintParams& p, std::int64_t position)
{
    return QPoint(MarkX(position, p.pointsPerColumn), p.waveTop() - 3);
}

void PaintFlag(QPainter& painter, const PaintParams& p, std::int64_t position, const QColor& colour)
{
    const QPoint a = Anchor(p, position);
    QPolygon flag;
    flag << QPoint(-5, 0) << QPoint(5, 0) << QPoint(5, -11) << QPoint(-5, -11);
    FillPolygon(painter, flag.translated(a), colour);
    QPolygon tee;
    tee << QPoint(-1, -2) << QPoint(1, -2) << QPoint(1, -7) << QPoint(3, -7) << QPoint(3, -9) << QPoint(-3, -9)
        << QPoint(-3, -7) << QPoint(-1, -7);
    FillPolygon(painter, tee.translated(a), p.background);
}

void PaintTriangle(QPainter& painter, const PaintParams& p, std::int64_t position, const QColor& colour)
{
    if (position < 0 || position >= p.pointsPerColumn * kMaxWaveColumns)
        return;
    QPolygon tri;
    tri << QPoint(0, 0) << QPoint(6, -10) << QPoint(-6, -10);
    FillPolygon(painter, tri.translated(Anchor(p, position)), colour);
}

} // namespace

void PaintMarks(QPainter& painter, const PaintParams& p)
{
    if (p.pointsPerColumn <= 0)
        return;
    painter.save();
    const MarkParams& m = p.marks;
    if (m.drawTrigger) {
        if (m.hasTrigger && m.trigger >= 0 && m.trigger <= p.points)
            PaintFlag(painter, p, m.trigger, m.triggerColour);
        if (m.hasPostTrigger && m.postTrigger >= 0 && m.postTrigger <= p.points)
            PaintFlag(painter, p, m.postTrigger, m.postTriggerColour);
    }
    const int events = static_cast<int>(m.events.size());
    for (int i = 0; i < events; ++i) {
        const std::int64_t e = m.events[static_cast<std::size_t>(i)];
        if (e >= 0 && e < p.points)
            PaintTriangle(painter, p, e, i == m.currentEvent ? m.currentEventColour : m.eventColour);
    }
    if (m.currentEvent >= 0 && m.currentEvent < events) {
        const std::int64_t e = m.events[static_cast<std::size_t>(m.currentEvent)];
        if (e >= 0 && e < p.points)
            PaintTriangle(painter, p, e, m.currentEventColour);
    }
    if (m.drawCursors) {
        PaintTriangle(painter, p, m.cursorA, m.cursorAColour);
        PaintTriangle(painter, p, m.cursorB, m.cursorBColour);
    }
    painter.restore();
}

} // namespace kp
