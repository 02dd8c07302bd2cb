#include "display/TraceCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kp {

namespace {

// One buffer, reused from paint to paint; cleared for each.
QImage& Buffer(const QSize& size)
{
    thread_local QImage buffer;
    if (buffer.size() != size)
        buffer = QImage(size, QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    return buffer;
}

} // namespace

TraceCanvas::TraceCanvas(const QRect& area) : area_(area)
{
    if (area_.isValid() && !area_.isEmpty())
        image_ = &Buffer(area_.size());
}

void TraceCanvas::Run(int x, int y0, int y1, QRgb colour)
{
    if (!image_ || x < area_.left() || x > area_.right())
        return;
    if (y0 > y1)
        std::swap(y0, y1);
    y0 = std::max(y0, area_.top());
    y1 = std::min(y1, area_.bottom());
    if (y0 > y1)
        return;
    touched_ = true;
    const int column = x - area_.left();
    const qsizetype stride = image_->bytesPerLine() / 4;
    auto* pixel = reinterpret_cast<QRgb*>(image_->bits()) + (y0 - area_.top()) * stride + column;
    const QRgb opaque = colour | 0xFF000000u;
    for (int y = y0; y <= y1; ++y, pixel += stride)
        *pixel = opaque;
}

void TraceCanvas::Flush(QPainter& painter)
{
    if (image_ && touched_)
        painter.drawImage(area_.topLeft(), *image_);
}

ColumnRuns::ColumnRuns(int x0, int columns)
    : x0_(x0), lo_(static_cast<std::size_t>(std::max(columns, 0)), kNone), hi_(lo_.size(), kNone)
{
}

void ColumnRuns::AddPolyline(const QPolygon& poly)
{
    if (poly.size() == 1)
        Cover(poly[0].x(), poly[0].y(), poly[0].y());
    for (qsizetype i = 1; i < poly.size(); ++i)
        AddSegment(poly[i - 1], poly[i]);
}

void ColumnRuns::Draw(TraceCanvas& canvas, QRgb colour) const
{
    for (std::size_t i = 0; i < lo_.size(); ++i) {
        if (lo_[i] != kNone)
            canvas.Run(x0_ + static_cast<int>(i), lo_[i], hi_[i], colour);
    }
}

bool ColumnRuns::RowsOf(int x, int& lo, int& hi) const
{
    const int i = x - x0_;
    if (i < 0 || i >= static_cast<int>(lo_.size()) || lo_[static_cast<std::size_t>(i)] == kNone)
        return false;
    lo = lo_[static_cast<std::size_t>(i)];
    hi = hi_[static_cast<std::size_t>(i)];
    return true;
}

void ColumnRuns::Cover(int x, int y0, int y1)
{
    const int i = x - x0_;
    if (i < 0 || i >= static_cast<int>(lo_.size()))
        return;
    const auto k = static_cast<std::size_t>(i);
    const int a = std::min(y0, y1), b = std::max(y0, y1);
    if (lo_[k] == kNone) {
        lo_[k] = a;
        hi_[k] = b;
    } else {
        lo_[k] = std::min(lo_[k], a);
        hi_[k] = std::max(hi_[k], b);
    }
}

void ColumnRuns::AddSegment(QPoint p0, QPoint p1)
{
    if (p1.x() < p0.x())
        std::swap(p0, p1);
    const int k = p1.x() - p0.x();
    const int d = p1.y() - p0.y();
    if (k == 0) {
        Cover(p0.x(), p0.y(), p1.y());
        return;
    }
    if (k == 1) {
        const int m = p0.y() + d / 2;
        Cover(p0.x(), p0.y(), m);
        Cover(p1.x(), m, p1.y());
        return;
    }
    for (int i = 0; i <= k; ++i) {
        const double ta = std::max(0.0, i - 0.5), tb = std::min<double>(k, i + 0.5);
        const auto ya = static_cast<int>(std::lround(p0.y() + d * ta / k));
        const auto yb = static_cast<int>(std::lround(p0.y() + d * tb / k));
        Cover(p0.x() + i, ya, yb);
    }
}

} // namespace kp
