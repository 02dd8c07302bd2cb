#pragma once
// The texts of the cursor positions and of their distance in the view's time
// notations, and the reading of a typed position.

#include "format/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kp {

struct CursorTextContext {
    int notation = 3; // the view's: 0 DIV, 1 Sec, 2 Point, 3 Trig, 4 Date
    std::int64_t trigger = 0; // the point at time 0
    std::int64_t pointsPerDivision = 100;
    double sampleInterval = 0.01; // seconds
    int elapsedDigits = 0;
    std::optional<DateTime> triggerMoment;
    double startOffset = 0.0;
    bool enhancedDate = false;
};

inline constexpr int kCursorPointNotation = 2;

// Position p in the notation, counted from the trigger point.
std::string CursorPositionText(const CursorTextContext& c, std::int64_t p);

// B - A in the notation (the date notation shows the elapsed time); in the
// seconds notation followed by "\r\n[%sHz]" with the frequency of one period
// of that length, or "\r\n[---Hz]" when there is none.
std::string CursorDistanceText(const CursorTextContext& c, std::int64_t a, std::int64_t b);

// A position typed in the point notation (a signed decimal number counted
// from the trigger point) as a point of the record; none for a text that is
// not a whole number or does not fit.
std::optional<std::int64_t> TypedCursorPosition(const CursorTextContext& c, const std::string& text);

} // namespace kp
