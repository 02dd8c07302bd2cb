#pragma once
// How the waveform view draws: its grid and its traces. The settings store
// them as the numbers given here.

#include <algorithm>

namespace kp {

enum class GridType { None = 0, Standard = 1, Fine = 2 };
enum class WaveStyle { Line = 0, Dots = 1 };

// A stored number out of range takes the nearest grid.
constexpr GridType GridTypeFromStored(int stored)
{
    return static_cast<GridType>(std::clamp(stored, 0, 2));
}

// Any stored number but that of dots draws lines.
constexpr WaveStyle WaveStyleFromStored(int stored)
{
    return stored == static_cast<int>(WaveStyle::Dots) ? WaveStyle::Dots : WaveStyle::Line;
}

} // namespace kp
