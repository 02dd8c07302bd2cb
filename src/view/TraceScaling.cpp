#include "view/TraceScaling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kp {

double NormalisedHeight(TraceCoding coding, const TraceScaling& s, double zoom, double position, double v)
{
    switch (coding) {
    case TraceCoding::Signed16:
        return (v + s.codeOffset) * s.gain * zoom / s.span + s.displayOffset + position;
    case TraceCoding::Unsigned16:
        return (v - s.unsignedOffset - s.offset2) * s.gain2 * zoom / s.span + s.displayOffset2 + position;
    case TraceCoding::Wide32:
        return (v - s.codeOffset - s.offset2) * s.gain2 * zoom / s.span + s.displayOffset2 + position;
    case TraceCoding::Float:
        return s.gain * zoom * v + s.displayOffset + position;
    case TraceCoding::Pulse:
        return s.gain * zoom * v / s.divisor + s.displayOffset + position;
    }
    return position;
}

namespace {

// Truncation toward zero after limiting to the 32-bit range.
std::int64_t Trunc32(double product)
{
    if (std::isnan(product))
        return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int64_t>(std::clamp(product, lo, hi));
}

} // namespace

int TraceRow(double z, int centre, int halfHeight)
{
    const std::int64_t limit = static_cast<std::int64_t>(halfHeight) + 2;
    const std::int64_t offset = std::clamp(Trunc32(z * halfHeight), -limit, limit);
    return static_cast<int>(centre - offset);
}

int LogicRow(int level, int top, int bottom, double heightFraction, double position)
{
    const int centre = top + (bottom - top) / 2;
    const double product = (bottom - top) * (level * heightFraction + position) * 0.5;
    const std::int64_t offset = Trunc32(product);
    // Keep the row itself in range; nothing this far outside is visible.
    const std::int64_t row = std::clamp<std::int64_t>(centre - offset, -100000, 100000);
    return static_cast<int>(row);
}

double ClampZoom(double zoom)
{
    if (std::isnan(zoom))
        return 1.0;
    return std::clamp(zoom, 0.01, 100.0);
}

} // namespace kp
