#pragma once
// The layer the traces are drawn into: one pixel per column and row, written
// straight into an image and put on the painter with a single call. Traces are
// made of vertical runs (a column's stroke) and single pixels; stroking them
// as lines would retrace every column's rows once more for the joins.

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QRgb>

#include <limits>
#include <vector>

class QPainter;

namespace kp {

class TraceCanvas {
public:
    // area: the logical rectangle that is painted (the clip box within the
    // wave area's columns); everything outside it is dropped.
    explicit TraceCanvas(const QRect& area);

    // Rows y0 .. y1 (either order) of column x.
    void Run(int x, int y0, int y1, QRgb colour);
    void Pixel(int x, int y, QRgb colour) { Run(x, y, y, colour); }
    // Puts the layer on the painter (opaque where drawn, transparent elsewhere).
    void Flush(QPainter& painter);

private:
    QRect area_;
    QImage* image_ = nullptr;
    bool touched_ = false;
};

// The rows a one-pixel polyline covers, per column. The polyline runs left to
// right: a segment within one column covers the rows between its ends; a
// segment across columns gives each column the rows its centre line passes
// while inside that column (the two columns of a one-column step meet at the
// middle row). Every column ends up with one run of rows.
class ColumnRuns {
public:
    ColumnRuns(int x0, int columns);
    void AddPolyline(const QPolygon& poly);
    void Draw(TraceCanvas& canvas, QRgb colour) const;
    // Rows of column x, false when the polyline does not touch it.
    bool RowsOf(int x, int& lo, int& hi) const;

private:
    static constexpr int kNone = std::numeric_limits<int>::min();
    void Cover(int x, int y0, int y1);
    void AddSegment(QPoint p0, QPoint p1);

    int x0_;
    std::vector<int> lo_;
    std::vector<int> hi_;
};

} // namespace kp
