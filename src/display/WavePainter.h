#pragma once
// Painting of the waveform strip as a pure function of its parameters, so a
// test can run it on a QImage and check pixels. Coordinates are the view's
// logical ones: x runs along the whole strip (the caller translates the
// painter by the scroll position), y is the client's.
//
// Passes: background and grid, traces (with their names), time-axis labels,
// marks. Only the columns inside the clip box are reduced and drawn.

#include "view/DotRowCache.h"
#include "view/TraceColumns.h"
#include "view/TraceScaling.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/WaveLook.h"

class QPainter;

namespace kp {

// An analog, calculation or pulse trace.
struct ValueTrace {
    TraceCoding coding = TraceCoding::Signed16;
    TraceScaling scaling;
    double zoom = 1.0;
    double position = 0.0;
    QColor colour;
    QString name;
    const ValueColumns* primary = nullptr; // maxima of an envelope record
    const ValueColumns* secondary = nullptr; // minima of an envelope record, else null
};

// One logic channel: bit `bit` of a group's words.
struct LogicTrace {
    const LogicColumns* words = nullptr; // OR side of an envelope record
    const LogicColumns* secondary = nullptr; // AND side, else null
    int bit = 0;
    double heightFraction = 0.05;
    double position = 0.0;
    QColor colour;
};

// A logic name at both ends of the strip, at the height of a trace.
struct LogicName {
    QString text;
    int traceIndex = 0; // into PaintParams::logic
    QColor colour;
    // A name that stands for a group of channels may carry a small bracket
    // on its wave-area side at each end (LogicNameBracket).
    bool bracketed = false;
};

// The bracket beside a bracketed logic name: a vertical bar kLogicBracketHigh
// rows high centred on the name, with arms kLogicBracketLong px long pointing
// at the wave area ("[" at the left end, "]" at the right end). The name moves
// outward to make room; the arms end where an unbracketed name ends.
inline constexpr int kLogicBracketLong = 8;
inline constexpr int kLogicBracketHigh = 10;
struct BracketShape {
    int barX = 0; // the vertical bar
    int armFrom = 0; // the arms' columns, armFrom <= armTo
    int armTo = 0;
    int top = 0; // the bar's rows, top .. bottom
    int bottom = 0;
    int nameEdge = 0; // left end: the name's right edge (exclusive); right end: its left edge
};

struct MarkParams {
    bool drawTrigger = true; // "DrawTrigMark"
    bool drawCursors = true; // "DrawSaveMark"
    bool hasTrigger = false;
    std::int64_t trigger = -1;
    bool hasPostTrigger = false;
    std::int64_t postTrigger = -1;
    std::vector<std::int64_t> events;
    int currentEvent = -1;
    std::int64_t cursorA = 0;
    std::int64_t cursorB = 0;
    QColor triggerColour { 255, 255, 0 };
    QColor postTriggerColour { 255, 0, 0 };
    QColor eventColour { 255, 255, 0 };
    QColor currentEventColour { 255, 0, 255 };
    QColor cursorAColour { 0, 0, 255 };
    QColor cursorBColour { 255, 0, 0 };
};

struct PaintParams {
    // Geometry.
    int clientWidth = 0;
    int clientHeight = 0;
    int scrollX = 0; // logical x at client x 0
    QRect clip; // logical; empty means the visible client area
    std::int64_t points = 0; // N
    std::int64_t pointsPerColumn = 1;
    std::int64_t trigger = 0; // T for aligning grid and labels (0 without trigger)
    int smallDivision = 20; // S
    int divisionsPerHalf = 5; // L
    int pointsPerDivision = 100; // D1

    // Settings.
    GridType grid = GridType::Standard;
    WaveStyle style = WaveStyle::Line;
    int penWidth = 1;
    bool drawDiv = true;
    bool drawChannel = true;
    bool reverseOrder = false;

    QColor background { 0, 0, 0 };
    QColor gridColour { 192, 192, 192 };
    QColor textColour { 255, 255, 0 };
    QFont font;

    // Traces in channel order; the painter walks them backwards when
    // reverseOrder is on.
    std::vector<ValueTrace> calc;
    std::vector<ValueTrace> analog;
    std::vector<ValueTrace> pulse;
    std::vector<LogicTrace> logic;
    std::vector<LogicName> logicNames;

    // The text under a time-axis line j DIVs from the trigger line.
    std::function<std::string(std::int64_t j)> labelText;

    MarkParams marks;

    // The rows the dots style found in earlier paints, reused while the
    // geometry and the channels' scaling stay the same. Null: every sample
    // of the painted columns is scanned.
    DotRowCache* dotRows = nullptr;

    // Derived geometry.
    int waveWidth() const; // columns: N / ppc capped at 32500
    int waveLeft() const;
    int waveTop() const;
    int waveRight() const; // waveLeft + waveWidth
    int waveBottom() const; // clientHeight - 40
    int centre() const { return waveTop() + (waveBottom() - waveTop()) / 2; }
    int halfHeight() const { return (waveBottom() - waveTop()) >> 1; }
    QRect effectiveClip() const;
};

// The whole picture. The painter must not be antialiased for traces; paint
// switches antialiasing off itself.
void paint(QPainter& painter, const PaintParams& p);

// The single passes, for the view's partial redraws.
void PaintBackground(QPainter& painter, const PaintParams& p);
void PaintGrid(QPainter& painter, const PaintParams& p);
void PaintTraces(QPainter& painter, const PaintParams& p);
void PaintTimeLabels(QPainter& painter, const PaintParams& p);
void PaintMarks(QPainter& painter, const PaintParams& p);
// Part of PaintTraces: the logic names at both ends, with their brackets.
void PaintLogicNames(QPainter& painter, const PaintParams& p);

// Positions of the grid's lines and labels, shared by the painter and tests.
// Label lines: x of line I and its value j, for every drawn label.
struct AxisLabel {
    int x;
    std::int64_t j;
    QRect rect;
};
std::vector<AxisLabel> TimeLabelPositions(const PaintParams& p);
// What a trace's dot rows depend on: the cache's key for it.
DotRowKey DotRowKeyOf(const PaintParams& p, const ValueTrace& t);
std::vector<int> DivLineXs(const PaintParams& p);
std::vector<int> DottedLineXs(const PaintParams& p);

// The bracket at the left (leftEnd) or right end, for a name centred on row.
BracketShape LogicNameBracket(const PaintParams& p, int row, bool leftEnd);

// The mark anchor x of a point position.
inline int MarkX(std::int64_t position, std::int64_t ppc)
{
    return static_cast<int>(50 + position / ppc);
}

} // namespace kp
