#pragma once
// How much of a cut-short record its file still holds. The answer comes from
// the family decoders themselves, one point at a time, so what counts as held
// is exactly what a decode of those points reads without running out of file.

#include <cstdint>
#include <span>

namespace kp {

class CWaveHeadInfo;

// The points [0, result) of a record of `points` points that every saved
// channel holds completely in `file`. Relies on each family storing its
// points in order, so that a point that is held has every earlier one held.
std::int64_t PointsHeld(const CWaveHeadInfo& head, std::span<const std::uint8_t> file, std::int64_t points);

} // namespace kp
