#include "display/StatusIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace kp {

namespace {

// Screen colours of the instrument icon, one per model tint.
const std::array<QColor, kModelTints> kTints {
    QColor(0x2e, 0x7d, 0x32),
    QColor(0x15, 0x65, 0xc0),
    QColor(0xc6, 0x28, 0x28),
    QColor(0x6a, 0x1b, 0x9a),
    QColor(0xef, 0x6c, 0x00),
    QColor(0x00, 0x83, 0x8f),
    QColor(0x5d, 0x40, 0x37),
    QColor(0x37, 0x47, 0x4f),
};

const QColor kOutline(0x30, 0x30, 0x30);
const QColor kTrace(0x15, 0x65, 0xc0);

// A sine through the box, as a path; phase in cycles.
QPainterPath Wave(const QRectF& box, double cycles, double amplitude)
{
    QPainterPath path;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF p(box.left() + t * box.width(),
            box.center().y() - amplitude * box.height() / 2 * std::sin(2 * 3.14159265358979 * cycles * t));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void DrawScreen(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
}

void DrawInstrument(QPainter& p, const QRectF& r, int tint)
{
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xd8, 0xd8, 0xd8));
    p.drawRoundedRect(r.adjusted(0.5, 2.5, -0.5, -1.5), 1.5, 1.5);
    const QRectF screen(r.left() + 2.5, r.top() + 4.5, r.width() * 0.6, r.height() - 8);
    p.setBrush(kTints[static_cast<std::size_t>(tint % kModelTints)]);
    p.drawRect(screen);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Wave(screen.adjusted(1, 1, -1, -1), 1.0, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    const double knobX = screen.right() + (r.right() - screen.right()) / 2;
    p.drawEllipse(QPointF(knobX, screen.top() + 1.5), 1.2, 1.2);
    p.drawEllipse(QPointF(knobX, screen.bottom() - 1.5), 1.2, 1.2);
}

void DrawFormat(QPainter& p, const QRectF& r, StatusIcon icon)
{
    const QRectF screen = r.adjusted(0.5, 1.5, -0.5, -1.5);
    DrawScreen(p, screen);
    const QRectF inner = screen.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTrace, 1.2));
    switch (icon) {
    case StatusIcon::Memory:
        p.drawPath(Wave(inner, 1.5, 0.8));
        break;
    case StatusIcon::Recorder: {
        QPainterPath band = Wave(inner.adjusted(0, 0, 0, -inner.height() * 0.4), 1.0, 0.5);
        const QPainterPath lower = Wave(inner.adjusted(0, inner.height() * 0.4, 0, 0), 1.0, 0.5);
        band.connectPath(lower.toReversed());
        band.closeSubpath();
        p.setBrush(kTrace.lighter(160));
        p.drawPath(band);
        break;
    }
    case StatusIcon::XY:
        p.drawEllipse(inner.center(), inner.width() * 0.42, inner.height() * 0.3);
        p.drawEllipse(inner.center(), inner.width() * 0.2, inner.height() * 0.42);
        break;
    case StatusIcon::Spectrum: {
        p.setPen(Qt::NoPen);
        p.setBrush(kTrace);
        const double heights[] = { 0.9, 0.5, 0.7, 0.3 };
        const double w = inner.width() / 4;
        for (int i = 0; i < 4; ++i) {
            const double h = heights[i] * inner.height();
            p.drawRect(QRectF(inner.left() + i * w + 0.5, inner.bottom() - h, w - 1, h));
        }
        break;
    }
    case StatusIcon::Realtime:
        p.drawPath(Wave(inner.adjusted(0, 0, -3, 0), 1.0, 0.8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd3, 0x2f, 0x2f));
        p.drawEllipse(QPointF(inner.right() - 1.5, inner.center().y()), 2, 2);
        break;
    default:
        break;
    }
}

} // namespace

QPixmap StatusIconPixmap(StatusIcon icon, int tint, int side, qreal devicePixelRatio)
{
    if (icon == StatusIcon::None || side <= 0)
        return {};
    const int pixels = static_cast<int>(std::ceil(side * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, side, side);
    if (icon == StatusIcon::Instrument)
        DrawInstrument(p, r, tint);
    else
        DrawFormat(p, r, icon);
    return pixmap;
}

} // namespace kp
