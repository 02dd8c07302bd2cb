#include "display/WavePainter.h"

#include "display/TraceCanvas.h"
#include "view/DivisionGeometry.h"
#include "view/DotRowCache.h"
#include "view/NameStacking.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kp {

int PaintParams::waveWidth() const
{
    if (pointsPerColumn <= 0 || points <= 0)
        return 0;
    return static_cast<int>(std::min(points / pointsPerColumn, kMaxWaveColumns));
}

int PaintParams::waveLeft() const
{
    return kWaveLeftMargin;
}
int PaintParams::waveTop() const
{
    return kWaveTopMargin;
}
int PaintParams::waveRight() const
{
    return kWaveLeftMargin + waveWidth();
}
int PaintParams::waveBottom() const
{
    return clientHeight - kWaveBottomMargin;
}

QRect PaintParams::effectiveClip() const
{
    if (clip.isValid())
        return clip;
    return QRect(scrollX, 0, clientWidth, clientHeight);
}

DotRowKey DotRowKeyOf(const PaintParams& p, const ValueTrace& t)
{
    DotRowKey key;
    key.primary = t.primary;
    key.secondary = t.secondary;
    key.coding = t.coding;
    key.scaling = t.scaling;
    key.zoom = t.zoom;
    key.position = t.position;
    key.points = p.points;
    key.pointsPerColumn = p.pointsPerColumn;
    key.centre = p.centre();
    key.halfHeight = p.halfHeight();
    return key;
}

namespace {

// Columns inside the clip box: first is one column left of the box so that
// the stroke joining into the first visible column is drawn too.
struct ColumnSpan {
    int first = 0;
    int last = -1;
};

ColumnSpan ClipColumns(const PaintParams& p)
{
    const int width = p.waveWidth();
    ColumnSpan s;
    if (width <= 0)
        return s;
    const QRect clip = p.effectiveClip();
    s.first = std::clamp(clip.left() - kWaveLeftMargin - 1, 0, width - 1);
    s.last = std::min(clip.right(), width - 1);
    return s;
}

// Whether the record has points left over after its last full column, and
// where they start.
bool HasLeftover(const PaintParams& p, std::int64_t& start)
{
    const std::int64_t full = p.points / p.pointsPerColumn;
    if (full > kMaxWaveColumns || p.points % p.pointsPerColumn == 0)
        return false;
    start = full * p.pointsPerColumn;
    return true;
}

QPen TracePen(const QColor& colour, int width)
{
    QPen pen(colour);
    pen.setWidth(std::max(width, 1));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

struct ColumnExtent {
    double hi = 0;
    double lo = 0;
};

bool ReduceValues(const ValueTrace& t, std::int64_t first, std::int64_t last, ColumnExtent& out)
{
    double lo = 0, hi = 0;
    if (!t.primary->Range(first, last, lo, hi))
        return false;
    if (t.secondary) {
        double lo2 = 0, hi2 = 0;
        if (!t.secondary->Range(first, last, lo2, hi2))
            return false;
        lo = lo2;
    }
    out.hi = hi;
    out.lo = lo;
    return true;
}

int RowOfValue(const PaintParams& p, const ValueTrace& t, double v)
{
    return TraceRow(NormalisedHeight(t.coding, t.scaling, t.zoom, t.position, v), p.centre(), p.halfHeight());
}

void PaintLineTrace(
    QPainter& painter, TraceCanvas& canvas, const PaintParams& p, const ValueTrace& t, const ColumnSpan& cols)
{
    const std::int64_t ppc = p.pointsPerColumn;
    QPolygon poly;
    poly.reserve((cols.last - cols.first + 2) * 2 + 3);
    const std::int64_t firstSample = static_cast<std::int64_t>(cols.first) * ppc;
    if (firstSample >= t.primary->size())
        return;
    poly << QPoint(kWaveLeftMargin + cols.first, RowOfValue(p, t, t.primary->Value(firstSample)));
    ColumnExtent e;
    for (int c = cols.first; c <= cols.last; ++c) {
        const std::int64_t s = static_cast<std::int64_t>(c) * ppc;
        if (!ReduceValues(t, s, s + ppc, e))
            continue;
        const int x = kWaveLeftMargin + c;
        poly << QPoint(x, RowOfValue(p, t, e.hi)) << QPoint(x, RowOfValue(p, t, e.lo));
    }
    std::int64_t rest = 0;
    if (cols.last == p.waveWidth() - 1 && HasLeftover(p, rest) && ReduceValues(t, rest, p.points, e)) {
        const int x = kWaveLeftMargin + cols.last;
        poly << QPoint(x, RowOfValue(p, t, e.hi)) << QPoint(x, RowOfValue(p, t, e.lo));
    }
    if (p.penWidth > 1) {
        painter.setPen(TracePen(t.colour, p.penWidth));
        if (poly.size() == 1)
            painter.drawPoint(poly.front());
        else
            painter.drawPolyline(poly);
        return;
    }
    // A one-pixel line touches one run of rows per column: the column's
    // stroke and the halves of the joins to its neighbours.
    ColumnRuns runs(kWaveLeftMargin + cols.first, cols.last - cols.first + 1);
    runs.AddPolyline(poly);
    runs.Draw(canvas, t.colour.rgb());
}

// Every sample is one pixel at its column's x; pixels that coincide within a
// column are set once. The plain drawing, for painters without a row cache.
void PaintDotTracePerSample(TraceCanvas& canvas, const PaintParams& p, const ValueTrace& t, const ColumnSpan& cols)
{
    const std::int64_t ppc = p.pointsPerColumn;
    const int base = p.centre() - p.halfHeight() - 2;
    std::vector<int> stamp(static_cast<std::size_t>(2 * p.halfHeight() + 5), -1);
    const QRgb colour = t.colour.rgb();
    auto add = [&](int x, std::int64_t first, std::int64_t last, const ValueColumns* src) {
        last = std::min(last, src->size());
        for (std::int64_t i = first; i < last; ++i) {
            const double v = src->Value(i);
            if (std::isnan(v))
                continue;
            const int row = RowOfValue(p, t, v);
            const std::size_t slot
                = static_cast<std::size_t>(std::clamp(row - base, 0, static_cast<int>(stamp.size()) - 1));
            if (stamp[slot] == x)
                continue;
            stamp[slot] = x;
            canvas.Pixel(x, row, colour);
        }
    };
    for (int c = cols.first; c <= cols.last; ++c) {
        const std::int64_t s = static_cast<std::int64_t>(c) * ppc;
        add(kWaveLeftMargin + c, s, s + ppc, t.primary);
        if (t.secondary)
            add(kWaveLeftMargin + c, s, s + ppc, t.secondary);
    }
    std::int64_t rest = 0;
    if (cols.last == p.waveWidth() - 1 && HasLeftover(p, rest)) {
        add(kWaveLeftMargin + cols.last, rest, p.points, t.primary);
        if (t.secondary)
            add(kWaveLeftMargin + cols.last, rest, p.points, t.secondary);
    }
}

// The same pixels from the rows each column hits, found once per geometry.
void PaintDotTrace(TraceCanvas& canvas, const PaintParams& p, const ValueTrace& t, const ColumnSpan& cols)
{
    if (!p.dotRows) {
        PaintDotTracePerSample(canvas, p, t, cols);
        return;
    }
    DotColumns& columns = p.dotRows->For(DotRowKeyOf(p, t));
    const QRgb colour = t.colour.rgb();
    for (int c = cols.first; c <= cols.last; ++c) {
        for (const RowRun& r : columns.Rows(c))
            canvas.Run(kWaveLeftMargin + c, r.top, r.bottom, colour);
    }
}

// A name's wished top rows at the left and right ends: centred on the first
// and last sample, kept near the wave area.
struct NamePlace {
    const ValueTrace* trace = nullptr;
    int left = 0;
    int right = 0;
};

NamePlace PlaceValueName(const PaintParams& p, const ValueTrace& t, int h)
{
    const std::int64_t n = std::min(p.points, t.primary->size());
    auto topOf = [&](int row) { return std::clamp(row - h / 2, p.waveTop() - 2, p.waveBottom() - h + 2); };
    return { &t, topOf(RowOfValue(p, t, t.primary->Value(0))), topOf(RowOfValue(p, t, t.primary->Value(n - 1))) };
}

void PaintValueTraces(QPainter& painter, TraceCanvas& canvas, const PaintParams& p,
    const std::vector<ValueTrace>& traces, const ColumnSpan& cols)
{
    const int count = static_cast<int>(traces.size());
    for (int k = 0; k < count; ++k) {
        const ValueTrace& t = traces[static_cast<std::size_t>(p.reverseOrder ? count - 1 - k : k)];
        if (!t.primary)
            continue;
        if (cols.last >= cols.first) {
            if (p.style == WaveStyle::Dots)
                PaintDotTrace(canvas, p, t, cols);
            else
                PaintLineTrace(painter, canvas, p, t, cols);
        }
    }
}

// Names stand in the margins, where no trace reaches, so drawing them after
// all traces looks the same as after each channel. Names of channels that
// start or end at the same height are set one under the other.
void PaintValueNames(QPainter& painter, const PaintParams& p)
{
    const QFontMetrics fm(p.font);
    const int h = fm.height();
    std::vector<NamePlace> places;
    for (const std::vector<ValueTrace>* traces : { &p.calc, &p.analog }) {
        const int count = static_cast<int>(traces->size());
        for (int k = 0; k < count; ++k) {
            const ValueTrace& t = (*traces)[static_cast<std::size_t>(p.reverseOrder ? count - 1 - k : k)];
            if (t.primary && !t.name.isEmpty() && std::min(p.points, t.primary->size()) > 0)
                places.push_back(PlaceValueName(p, t, h));
        }
    }
    std::vector<int> left, right;
    for (const NamePlace& n : places) {
        left.push_back(n.left);
        right.push_back(n.right);
    }
    left = StackNameTops(left, h, p.waveTop() - 2, p.waveBottom() - h + 2);
    right = StackNameTops(right, h, p.waveTop() - 2, p.waveBottom() - h + 2);
    for (std::size_t k = 0; k < places.size(); ++k) {
        const ValueTrace& t = *places[k].trace;
        const int w = fm.horizontalAdvance(t.name);
        painter.setPen(t.colour);
        painter.drawText(QRect(p.waveLeft() - 3 - w, left[k], w, h), Qt::AlignRight | Qt::AlignTop, t.name);
        painter.drawText(QRect(p.waveRight() + 3, right[k], w + 2, h), Qt::AlignLeft | Qt::AlignTop, t.name);
    }
}

Extent<std::uint32_t> LogicExtent(const LogicTrace& t, std::int64_t first, std::int64_t last)
{
    Extent<std::uint32_t> e = t.words->Range(first, last);
    if (t.secondary)
        e.lo = t.secondary->Range(first, last).lo;
    return e;
}

void PaintLogicTrace(TraceCanvas& canvas, const PaintParams& p, const LogicTrace& t, const ColumnSpan& cols)
{
    const std::int64_t ppc = p.pointsPerColumn;
    const int high = LogicRow(1, p.waveTop(), p.waveBottom(), t.heightFraction, t.position);
    const int low = LogicRow(0, p.waveTop(), p.waveBottom(), t.heightFraction, t.position);
    const std::uint32_t mask = 1u << (t.bit & 31);
    const QRgb colour = t.colour.rgb();
    int previous = -1;
    if (cols.first > 0) {
        const std::int64_t s = static_cast<std::int64_t>(cols.first) * ppc;
        previous = (t.words->Range(s - 1, s).hi & mask) ? 1 : 0;
    }
    auto column = [&](int x, std::int64_t first, std::int64_t last) {
        const auto e = LogicExtent(t, first, last);
        const int ever = (e.hi & mask) ? 1 : 0;
        const int always = (e.lo & mask) ? 1 : 0;
        if (previous < 0)
            previous = always == ever ? ever : -1;
        if (ever == always && ever == previous) {
            const int row = ever ? high : low;
            canvas.Run(x, row, ever ? row + 1 : row, colour);
        } else {
            canvas.Run(x, high, low + 1, colour);
        }
        previous = (t.words->Range(last - 1, last).hi & mask) ? 1 : 0;
    };
    for (int c = cols.first; c <= cols.last; ++c) {
        const std::int64_t s = static_cast<std::int64_t>(c) * ppc;
        column(kWaveLeftMargin + c, s, s + ppc);
    }
    std::int64_t rest = 0;
    if (cols.last == p.waveWidth() - 1 && HasLeftover(p, rest))
        column(kWaveLeftMargin + cols.last, rest, p.points);
}

} // namespace

void PaintBackground(QPainter& painter, const PaintParams& p)
{
    painter.fillRect(p.effectiveClip(), p.background);
}

void PaintTraces(QPainter& painter, const PaintParams& p)
{
    if (p.points <= 0 || p.pointsPerColumn <= 0 || p.waveBottom() <= p.waveTop())
        return;
    const ColumnSpan cols = ClipColumns(p);
    // Value traces stay within two rows of the wave area; logic traces stand
    // where their positions put them.
    int rowTop = p.centre() - p.halfHeight() - 2;
    int rowBottom = p.centre() + p.halfHeight() + 2;
    for (const LogicTrace& t : p.logic) {
        rowTop = std::min(rowTop, LogicRow(1, p.waveTop(), p.waveBottom(), t.heightFraction, t.position));
        rowTop = std::min(rowTop, LogicRow(0, p.waveTop(), p.waveBottom(), t.heightFraction, t.position));
        rowBottom = std::max(rowBottom, LogicRow(0, p.waveTop(), p.waveBottom(), t.heightFraction, t.position) + 1);
        rowBottom = std::max(rowBottom, LogicRow(1, p.waveTop(), p.waveBottom(), t.heightFraction, t.position) + 1);
    }
    const QRect columns(QPoint(p.waveLeft(), rowTop), QPoint(p.waveRight() - 1, rowBottom));
    TraceCanvas canvas(p.effectiveClip().intersected(columns));
    painter.setFont(p.font);
    PaintValueTraces(painter, canvas, p, p.calc, cols);
    PaintValueTraces(painter, canvas, p, p.analog, cols);
    PaintValueTraces(painter, canvas, p, p.pulse, cols);
    const int count = static_cast<int>(p.logic.size());
    if (cols.last >= cols.first) {
        for (int k = 0; k < count; ++k) {
            const LogicTrace& t = p.logic[static_cast<std::size_t>(p.reverseOrder ? count - 1 - k : k)];
            if (t.words)
                PaintLogicTrace(canvas, p, t, cols);
        }
    }
    canvas.Flush(painter);
    if (p.drawChannel) {
        PaintValueNames(painter, p);
        PaintLogicNames(painter, p);
    }
}

void paint(QPainter& painter, const PaintParams& p)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setClipRect(p.effectiveClip());
    PaintBackground(painter, p);
    if (p.points > 0) {
        PaintGrid(painter, p);
        PaintTraces(painter, p);
        if (p.drawDiv)
            PaintTimeLabels(painter, p);
        PaintMarks(painter, p);
    }
    painter.restore();
}

} // namespace kp
