// The grid under the traces and the time-axis labels below the wave area.
// Dotted and solid vertical lines are aligned to the trigger column, so one of
// them always passes through the trigger and the label there reads 0.

#include "display/WavePainter.h"
#include "view/DivisionGeometry.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace kp {

namespace {

std::int64_t AlignTrigger(const PaintParams& p)
{
    return std::max<std::int64_t>(p.trigger, 0);
}

int DivLength(const PaintParams& p)
{
    return p.pointsPerDivision > 0 ? p.pointsPerDivision : 100;
}

// Solid DIV lines and labels stand at least five small divisions apart.
int LabelStep(const PaintParams& p)
{
    const int d1 = DivLength(p);
    const int fiveS = 5 * p.smallDivision;
    return d1 < fiveS ? std::max(fiveS / d1, 1) : 1;
}

bool StrictlyInside(const PaintParams& p, int x)
{
    return x > p.waveLeft() && x < p.waveRight() - 1;
}

// The visible stretch of the wave area in logical x, inclusive.
bool VisibleSpan(const PaintParams& p, int& x0, int& x1)
{
    const QRect clip = p.effectiveClip();
    x0 = std::max(p.waveLeft(), clip.left());
    x1 = std::min(p.waveRight() - 1, clip.right());
    return x0 <= x1;
}

} // namespace

std::vector<int> DottedLineXs(const PaintParams& p)
{
    std::vector<int> xs;
    const int s = std::max(p.smallDivision, 1);
    const int align = static_cast<int>((AlignTrigger(p) / p.pointsPerColumn) % s);
    for (int x = p.waveLeft() + align; x < p.waveRight() - 1; x += s) {
        if (StrictlyInside(p, x))
            xs.push_back(x);
    }
    return xs;
}

std::vector<int> DivLineXs(const PaintParams& p)
{
    std::vector<int> xs;
    const int d1 = DivLength(p);
    const int k = LabelStep(p);
    const int align = static_cast<int>((AlignTrigger(p) / p.pointsPerColumn) % d1);
    const int lastO = (p.waveWidth() + d1 - 1) / d1;
    for (int o = 0; o <= lastO; o += k) {
        const int x = p.waveLeft() + o * d1 + align;
        if (StrictlyInside(p, x))
            xs.push_back(x);
    }
    return xs;
}

std::vector<AxisLabel> TimeLabelPositions(const PaintParams& p)
{
    std::vector<AxisLabel> labels;
    const std::int64_t d1 = DivLength(p);
    const std::int64_t ppc = p.pointsPerColumn;
    const std::int64_t t = AlignTrigger(p);
    const std::int64_t period = d1 * ppc;
    const std::int64_t q = t / period;
    const std::int64_t o = (t % period) / ppc;
    const int k = LabelStep(p);
    const std::int64_t lastI = p.waveWidth() / d1 + 1;
    const int half = 5 * p.smallDivision / 2 + 2;
    for (std::int64_t i = 0; i <= lastI; i += k) {
        const std::int64_t x = p.waveLeft() + i * d1 + o;
        if (x < p.waveLeft() || x > p.waveRight() + 1)
            continue;
        const int xi = static_cast<int>(x);
        const QRect rect(QPoint(xi - half, p.waveBottom() + 3), QPoint(xi + half, p.clientHeight));
        labels.push_back({ xi, (i - q) * ppc, rect });
    }
    return labels;
}

void PaintGrid(QPainter& painter, const PaintParams& p)
{
    const int left = p.waveLeft(), top = p.waveTop(), right = p.waveRight(), bottom = p.waveBottom();
    if (right <= left || bottom <= top)
        return;
    const QColor grid = p.gridColour;
    // The frame, one pixel inside the wave area's rectangle.
    painter.fillRect(QRect(left, top, right - left, 1), grid);
    painter.fillRect(QRect(left, bottom - 1, right - left, 1), grid);
    painter.fillRect(QRect(left, top, 1, bottom - top), grid);
    painter.fillRect(QRect(right - 1, top, 1, bottom - top), grid);

    int x0 = 0, x1 = 0;
    const bool visible = VisibleSpan(p, x0, x1);
    const int height = bottom - top;
    const int l = std::max(p.divisionsPerHalf, 1);
    const int s = std::max(p.smallDivision, 1);
    QPolygon dots;
    painter.setPen(grid);

    if (visible && p.grid == GridType::Fine) {
        const int t = height / l <= 40 ? 5 : 10;
        const int align = static_cast<int>((AlignTrigger(p) / p.pointsPerColumn) % s);
        // Dot columns every 4 px, in phase with the small divisions.
        int x = left + align + ((x0 - left - align) / 4) * 4;
        while (x < x0)
            x += 4;
        for (; x <= x1; x += 4) {
            if ((x - left - align) % s == 0)
                continue;
            for (int o = 0; o < 2 * l; ++o) {
                for (int kk = 1; kk < t; ++kk)
                    dots << QPoint(x, top + o * height / l / 2 + kk * height / l / t / 2);
            }
        }
    }
    if (visible && p.grid != GridType::None) {
        for (int b = 1; b < 2 * l; ++b) {
            const int y = top + height * b / l / 2;
            for (int x = x0 + ((x0 - left) & 1); x <= x1; x += 2)
                dots << QPoint(x, y);
        }
        for (int x : DottedLineXs(p)) {
            if (x < x0 || x > x1)
                continue;
            for (int y = top + 2; y < bottom - 1; y += 2)
                dots << QPoint(x, y);
        }
    }
    painter.drawPoints(dots);

    // Always: the solid centre line and the DIV lines.
    if (visible) {
        painter.fillRect(QRect(QPoint(x0, p.centre()), QPoint(x1, p.centre())), grid);
        for (int x : DivLineXs(p)) {
            if (x >= x0 && x <= x1)
                painter.fillRect(QRect(x, top, 1, height), grid);
        }
    }
}

void PaintTimeLabels(QPainter& painter, const PaintParams& p)
{
    if (!p.labelText || p.pointsPerColumn <= 0)
        return;
    painter.setFont(p.font);
    painter.setPen(p.textColour);
    const QRect clip = p.effectiveClip();
    for (const AxisLabel& label : TimeLabelPositions(p)) {
        if (!label.rect.intersects(clip))
            continue;
        painter.drawText(label.rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
            QString::fromStdString(p.labelText(label.j)));
    }
}

} // namespace kp
