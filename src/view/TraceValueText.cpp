#include "view/TraceValueText.h"

#include "format/ExpFormat.h"
#include "format/SiFormat.h"
#include "format/TextTrim.h"
#include "resources/StringTable.h"

#include <cstdio>
#include <vector>

namespace kp {

namespace {

std::string Printf(const char* pattern, int precision, double value)
{
    const int n = std::snprintf(nullptr, 0, pattern, precision, value);
    std::vector<char> buf(static_cast<std::size_t>(n > 0 ? n : 0) + 1);
    std::snprintf(buf.data(), buf.size(), pattern, precision, value);
    return std::string(buf.data());
}

} // namespace

std::string TraceValueText(double value, int digits, const TraceNumberFormat& format, const std::string& unit)
{
    std::string text;
    switch (format.style) {
    case TraceNumStyle::AuxiliaryUnit:
        text = FormatSiValue(value, true, false, -digits);
        break;
    case TraceNumStyle::Decimal:
        text = TrimFractionZeros(Printf("%+.*f", digits, value));
        break;
    case TraceNumStyle::Exponential:
        text = FormatExpValue(value, true, digits);
        break;
    }
    if (format.withUnit)
        text += unit;
    return text;
}

double TraceCalculate(TraceCalcType type, double a, double b, double bMinusA)
{
    switch (type) {
    case TraceCalcType::BMinusA:
        return bMinusA;
    case TraceCalcType::AMinusB:
        // -0.0 would print as a zero with a sign.
        return bMinusA == 0 ? 0.0 : -bMinusA;
    case TraceCalcType::APlusB:
        return a + b;
    case TraceCalcType::ATimesB:
        return a * b;
    case TraceCalcType::AOverB:
        return b == 0 ? 0.0 : a / b;
    case TraceCalcType::BOverA:
        return a == 0 ? 0.0 : b / a;
    }
    return 0.0;
}

std::string TraceCalcTitle(TraceCalcType type)
{
    return std::string(KpString(10050 + static_cast<int>(type)));
}

} // namespace kp
