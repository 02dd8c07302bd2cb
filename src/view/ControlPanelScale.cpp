#include "view/ControlPanelScale.h"

#include "format/NumberWriter.h"
#include "format/TextTrim.h"

#include <algorithm>
#include <cmath>

namespace kp {

namespace {

int RoundedWithin(double value, int lo, int hi)
{
    if (!std::isfinite(value))
        return value > 0 ? hi : lo;
    return static_cast<int>(
        std::clamp(std::lround(std::clamp(value, -1e9, 1e9)), static_cast<long>(lo), static_cast<long>(hi)));
}

} // namespace

double ZoomFromSlider(int slider)
{
    return (10001 - std::clamp(slider, kZoomSliderMin, kZoomSliderMax)) * 0.01;
}

int SliderFromZoom(double zoom)
{
    return 10001 - RoundedWithin(zoom * 100.0, kZoomSliderMin, kZoomSliderMax);
}

std::string ZoomText(double zoom)
{
    return TrimFractionZeros(FormatFixed(zoom, 2));
}

double PositionFromSlider(int slider)
{
    return (kPositionSliderCentre - std::clamp(slider, 0, kPositionSliderMax)) * 0.02;
}

int SliderFromPosition(double position)
{
    return kPositionSliderCentre - RoundedWithin(position / 0.02, -kPositionSliderCentre, kPositionSliderCentre);
}

std::string PositionText(int slider)
{
    return std::to_string(1050 - slider) + "%";
}

} // namespace kp
