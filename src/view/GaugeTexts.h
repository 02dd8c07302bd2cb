#pragma once
// What one gauge column prints for a channel: its unit, the value of one
// division and the physical values at the top and bottom of the wave area,
// all following the channel's zoom and position.

#include "app/KpSettings.h"

#include <string>

namespace kp {

enum class GaugeNumberStyle { AuxiliaryUnit = 0, Decimal = 1, Exponential = 2 };

// The physical values a channel shows at the wave area's top and bottom and
// per division (always positive).
struct GaugeValues {
    double top = 0;
    double bottom = 0;
    double perDivision = 0;
};

// Values at the edges for a channel whose height is linear in its physical
// value: valueAt(z) for z = 1 (top) and z = -1 (bottom), L divisions per half
// height.
template <class ValueAtHeight> GaugeValues GaugeValuesOf(ValueAtHeight valueAt, int divisionsPerHalf)
{
    GaugeValues g;
    g.top = valueAt(1.0);
    g.bottom = valueAt(-1.0);
    const double diff = g.top - g.bottom;
    g.perDivision = (diff < 0 ? -diff : diff) / (2.0 * (divisionsPerHalf > 0 ? divisionsPerHalf : 1));
    return g;
}

struct GaugeChannel {
    std::string name;
    std::string unit; // as the header gives it
    RgbColour colour;
    GaugeValues values;
};

struct GaugeColumn {
    std::string unit; // "[V]"
    std::string division; // "500m/DIV", "500mV/DIV"
    std::string top; // " +2.50"
    std::string bottom; // "-2.50 "
    std::string name; // "CH1 (V) "
    RgbColour colour;
    bool operator==(const GaugeColumn&) const = default;
};

// One gauge number: style 1 turns to exponential form from 1e12 up, style 0
// from 1e22 up; withSign for the top and bottom values.
std::string FormatGaugeNumber(double value, GaugeNumberStyle style, bool withSign);

GaugeColumn MakeGaugeColumn(
    const GaugeChannel& channel, GaugeNumberStyle style, bool addUnit, bool fixedColour, RgbColour gaugeTextColour);

} // namespace kp
