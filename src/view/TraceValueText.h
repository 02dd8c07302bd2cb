#pragma once
// How the trace window prints a value and combines the values at the two
// cursors.

#include <string>

namespace kp {

enum class TraceNumStyle { AuxiliaryUnit = 0, Decimal = 1, Exponential = 2 };

// The column title of each is string 10050 + the type.
enum class TraceCalcType { BMinusA = 0, AMinusB = 1, APlusB = 2, ATimesB = 3, AOverB = 4, BOverA = 5 };

struct TraceNumberFormat {
    TraceNumStyle style = TraceNumStyle::AuxiliaryUnit;
    bool withUnit = false;
};

// A value in the format with the channel's display digits (significant
// digits for the SI prefix form, decimals for the other two), followed by the
// unit text when the format asks for it.
std::string TraceValueText(double value, int digits, const TraceNumberFormat& format, const std::string& unit);

// The calculation on the values a (at A) and b (at B). Differences come from
// the caller (taken on codes, so that offsets cancel); a quotient by zero is 0.
double TraceCalculate(TraceCalcType type, double a, double b, double bMinusA);

// The title of the calculation column ("B-A", "A-B", "A+B", "AxB", "A/B", "B/A").
std::string TraceCalcTitle(TraceCalcType type);

} // namespace kp
