#pragma once
// How the trace window's spin buttons and typed positions move the cursors:
// A stays at or before B, both stay on the record.

#include <cstdint>

namespace kp {

struct CursorPair {
    std::int64_t a = 0;
    std::int64_t b = 0;
    friend bool operator==(const CursorPair&, const CursorPair&) = default;
};

// last: the record's last point.
CursorPair MoveCursorA(CursorPair c, std::int64_t delta, std::int64_t last);
CursorPair MoveCursorB(CursorPair c, std::int64_t delta, std::int64_t last);
// Both by delta, or (byDistance) by |B - A| in delta's direction; the pair
// keeps its distance and stops at the record's ends.
CursorPair MoveCursorPair(CursorPair c, std::int64_t delta, bool byDistance, std::int64_t last);
// A typed position: A no later than B, B no earlier than A.
CursorPair PlaceCursorA(CursorPair c, std::int64_t position, std::int64_t last);
CursorPair PlaceCursorB(CursorPair c, std::int64_t position, std::int64_t last);

// The step of a held spin button: 1 point for the first 10 repeats, 10 for
// the next 20, then 100.
int SpinStep(int repeats);

} // namespace kp
