#pragma once
// The wave control panel's sliders and texts: zoom 100.00 at the top of its
// slider (1) down to 0.01 at the bottom (10000); position +20 half heights at
// the top of its slider (0) down to -20 at the bottom (2000), its text the
// height of the zero line in percent of the wave area (50% is the centre).

#include <string>

namespace kp {

inline constexpr int kZoomSliderMin = 1;
inline constexpr int kZoomSliderMax = 10000;
inline constexpr int kPositionSliderMax = 2000;
inline constexpr int kPositionSliderCentre = 1000;

double ZoomFromSlider(int slider);
int SliderFromZoom(double zoom);
// "%.2f" with trailing zeros trimmed.
std::string ZoomText(double zoom);

double PositionFromSlider(int slider);
int SliderFromPosition(double position);
// "%d%%" of 1050 - slider.
std::string PositionText(int slider);

} // namespace kp
