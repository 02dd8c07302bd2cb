#pragma once
// Traces built from known codes, and a canvas to paint them on.

#include "display/WavePainter.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

namespace kp::test {

// Keeps the arrays and their columns alive for the traces that point at them.
struct TraceStore {
    std::vector<std::unique_ptr<std::vector<std::uint16_t>>> codes;
    std::vector<std::unique_ptr<std::vector<std::uint32_t>>> words;
    std::vector<std::unique_ptr<ValueColumns>> columns;
    std::vector<std::unique_ptr<LogicColumns>> logic;

    const ValueColumns* Signed(std::vector<std::uint16_t> data)
    {
        codes.push_back(std::make_unique<std::vector<std::uint16_t>>(std::move(data)));
        columns.push_back(std::make_unique<SummaryColumns<SignedCodeSummary>>(
            std::span<const std::uint16_t>(*codes.back()), 0));
        return columns.back().get();
    }
    const LogicColumns* Words(std::vector<std::uint32_t> data)
    {
        words.push_back(std::make_unique<std::vector<std::uint32_t>>(std::move(data)));
        logic.push_back(std::make_unique<LogicColumns>(std::span<const std::uint32_t>(*words.back())));
        return logic.back().get();
    }
};

// A signed 16-bit trace where code v lands v pixels above the centre line
// (gain = span / H, zoom 1, position 0).
inline ValueTrace PixelTrace(const ValueColumns* data, QColor colour, int halfHeight)
{
    ValueTrace t;
    t.coding = TraceCoding::Signed16;
    t.scaling.span = 1000;
    t.scaling.gain = 1000.0 / halfHeight;
    t.colour = colour;
    t.primary = data;
    return t;
}

inline PaintParams BasicParams(int width, int height, std::int64_t points, std::int64_t ppc)
{
    PaintParams p;
    p.clientWidth = width;
    p.clientHeight = height;
    p.points = points;
    p.pointsPerColumn = ppc;
    p.smallDivision = 20;
    p.divisionsPerHalf = 5;
    p.pointsPerDivision = 100;
    p.drawChannel = false;
    p.drawDiv = false;
    p.grid = GridType::None;
    p.background = QColor(0, 0, 0);
    p.gridColour = QColor(192, 192, 192);
    p.textColour = QColor(255, 255, 0);
    p.marks.drawCursors = false;
    p.marks.drawTrigger = false;
    return p;
}

inline QImage Render(const PaintParams& p)
{
    QImage image(p.clientWidth, p.clientHeight, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.translate(-p.scrollX, 0);
    paint(painter, p);
    painter.end();
    return image;
}

// Rows of column x painted in colour, top to bottom; empty when none.
inline std::vector<int> RowsOf(const QImage& image, int x, QColor colour)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == colour)
            rows.push_back(y);
    }
    return rows;
}

} // namespace kp::test
