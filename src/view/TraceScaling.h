#pragma once
// Vertical placement of a trace: a value becomes a normalised height z (1 at
// the top of the wave area, -1 at its bottom, 0 on the centre line) and z a
// pixel row. Each representation of the samples has its own formula; the
// terms come from the channel's display scaling and its zoom and position.

#include <cstdint>

namespace kp {

enum class TraceCoding {
    Signed16, // analog 16-bit codes read as signed
    Unsigned16, // analog 16-bit codes read as unsigned
    Wide32, // analog 32-bit codes
    Float, // calculation results, already physical
    Pulse, // unsigned 16-bit counts
};

struct TraceScaling {
    double codeOffset = 0; // signed: added to the code; 32-bit: subtracted
    double gain = 1;
    double span = 1;
    double displayOffset = 0;
    // The set used by unsigned and 32-bit data.
    double unsignedOffset = 0;
    double offset2 = 0;
    double gain2 = 1;
    double displayOffset2 = 0;
    double divisor = 1; // pulse
};

double NormalisedHeight(TraceCoding coding, const TraceScaling& s, double zoom, double position, double v);

// row = centre - clamp(trunc(z * H), -(H + 2), H + 2), the product limited to
// the 32-bit range before it is truncated; off-scale values lie on a line two
// pixels outside the wave area. A NaN height lies on the centre line.
int TraceRow(double z, int centre, int halfHeight);

// Logic: row(level) = centre - trunc((bottom - top) * (level * fraction +
// position) * 0.5), limited like TraceRow so a far position cannot wrap.
int LogicRow(int level, int top, int bottom, double heightFraction, double position);

// Zoom is kept within 0.01 .. 100 whenever it is set.
double ClampZoom(double zoom);

} // namespace kp
