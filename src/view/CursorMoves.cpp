#include "view/CursorMoves.h"

#include <algorithm>

namespace kp {

namespace {

// Additions near the 64-bit ends saturate instead of wrapping.
std::int64_t Add(std::int64_t x, std::int64_t d)
{
    if (d > 0 && x > INT64_MAX - d)
        return INT64_MAX;
    if (d < 0 && x < INT64_MIN - d)
        return INT64_MIN;
    return x + d;
}

} // namespace

CursorPair MoveCursorA(CursorPair c, std::int64_t delta, std::int64_t last)
{
    c.b = std::clamp<std::int64_t>(c.b, 0, std::max<std::int64_t>(last, 0));
    c.a = std::clamp<std::int64_t>(Add(c.a, delta), 0, c.b);
    return c;
}

CursorPair MoveCursorB(CursorPair c, std::int64_t delta, std::int64_t last)
{
    last = std::max<std::int64_t>(last, 0);
    c.a = std::clamp<std::int64_t>(c.a, 0, last);
    c.b = std::clamp<std::int64_t>(Add(c.b, delta), c.a, last);
    return c;
}

CursorPair MoveCursorPair(CursorPair c, std::int64_t delta, bool byDistance, std::int64_t last)
{
    last = std::max<std::int64_t>(last, 0);
    const std::int64_t distance = std::clamp<std::int64_t>(c.b - c.a, 0, last);
    std::int64_t step = delta;
    if (byDistance)
        step = delta > 0 ? distance : (delta < 0 ? -distance : 0);
    const std::int64_t a = std::clamp<std::int64_t>(Add(c.a, step), 0, last - distance);
    return { a, a + distance };
}

CursorPair PlaceCursorA(CursorPair c, std::int64_t position, std::int64_t last)
{
    return MoveCursorA({ 0, c.b }, position, last);
}

CursorPair PlaceCursorB(CursorPair c, std::int64_t position, std::int64_t last)
{
    last = std::max<std::int64_t>(last, 0);
    c.a = std::clamp<std::int64_t>(c.a, 0, last);
    c.b = std::clamp<std::int64_t>(position, c.a, last);
    return c;
}

int SpinStep(int repeats)
{
    if (repeats < 10)
        return 1;
    if (repeats < 30)
        return 10;
    return 100;
}

} // namespace kp
