#pragma once
// The fixed layout of the waveform strip: margins, the column cap, and the
// division geometry that each instrument model's screen had.

#include <cstdint>

namespace kp {

inline constexpr int kWaveLeftMargin = 50;
inline constexpr int kWaveTopMargin = 30;
inline constexpr int kWaveRightMargin = 50;
inline constexpr int kWaveBottomMargin = 40;
// 32500 columns keep every logical x within 16-bit scroll and drawing
// coordinates; a magnification needing 32501 columns is never offered.
inline constexpr std::int64_t kMaxWaveColumns = 32500;

// How a model's analog span is set: a fixed number of codes, or the channel's
// full-scale figure times the divisions per half height.
enum class SpanRule { Fixed, HeaderValueTimesL, HeaderIntegerTimesL };

struct DivisionGeometry {
    int magnificationFamily = 0;
    int smallDivision = 20; // S, pixels
    int divisionsPerHalf = 3; // L
    SpanRule spanRule = SpanRule::Fixed;
    double fixedSpan = 120;
    // Pulse channels divide by their full scale x L in these model groups.
    bool pulseFullScaleDivisor = false;
};

// The geometry of ModelId 0..16; nothing for other ids (the caller keeps what
// it had).
bool DivisionGeometryForModel(int modelId, DivisionGeometry& out);

} // namespace kp
