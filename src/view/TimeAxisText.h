#pragma once
// The texts under the time-axis lines, in the five notations of the view.

#include "format/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kp {

enum class AxisNotation { Div = 0, Sec = 1, Point = 2, Trig = 3, Date = 4 };

struct TimeAxisContext {
    AxisNotation notation = AxisNotation::Trig;
    std::int64_t pointsPerDivision0 = 100; // D0
    std::int64_t pointsPerDivision1 = 100; // D1
    double timePerDiv = 1.0; // seconds
    // Trig notation: the record's sample interval and digits (0: chosen by
    // the interval).
    double sampleInterval = 0.01;
    int elapsedDigits = 0;
    // Date notation: the trigger moment, the header's start offset in seconds
    // and the enhanced flag (fractions of a second).
    std::optional<DateTime> triggerMoment;
    double startOffset = 0.0;
    bool enhancedDate = false;
};

// Seconds of a line j DIVs from the trigger line: j x (D1 / D0) x time/DIV.
double TimeAxisSeconds(const TimeAxisContext& c, std::int64_t j);

// The label of line j ("12DIV", "2s", "-500.0us", "1200", ...). Date labels
// are two lines separated by "\n".
std::string TimeAxisLabel(const TimeAxisContext& c, std::int64_t j);

} // namespace kp
