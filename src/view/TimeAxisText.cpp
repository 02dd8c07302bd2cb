#include "view/TimeAxisText.h"

#include "format/DateTimeFormat.h"
#include "format/ElapsedTimeFormat.h"
#include "format/SiFormat.h"

#include <cmath>
#include <string>

namespace kp {

namespace {

double DivisionSeconds(const TimeAxisContext& c)
{
    const double ratio = c.pointsPerDivision0 != 0
        ? static_cast<double>(c.pointsPerDivision1) / static_cast<double>(c.pointsPerDivision0)
        : 1.0;
    return ratio * c.timePerDiv;
}

std::string OneLine(std::string text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        if (ch != '\r')
            out += ch;
    }
    return out;
}

// Decimals that show the sample interval: 0.001 s needs 3.
int IntervalDecimals(double interval)
{
    if (!(interval > 0) || interval >= 1)
        return 0;
    const int d = static_cast<int>(std::ceil(-std::log10(interval) - 1e-9));
    return d < 0 ? 0 : (d > 9 ? 9 : d);
}

// Toward zero, kept within the 64-bit range (a damaged time/DIV can make the
// product enormous).
long long WholeSeconds(double s)
{
    if (std::isnan(s))
        return 0;
    if (s >= 9.2e18)
        return 9'200'000'000'000'000'000LL;
    if (s <= -9.2e18)
        return -9'200'000'000'000'000'000LL;
    return static_cast<long long>(s);
}

} // namespace

double TimeAxisSeconds(const TimeAxisContext& c, std::int64_t j)
{
    return static_cast<double>(j) * DivisionSeconds(c);
}

std::string TimeAxisLabel(const TimeAxisContext& c, std::int64_t j)
{
    switch (c.notation) {
    case AxisNotation::Div:
        return std::to_string(j) + "DIV";
    case AxisNotation::Point:
        return std::to_string(j * c.pointsPerDivision1);
    case AxisNotation::Sec: {
        const double s = TimeAxisSeconds(c, j);
        if (DivisionSeconds(c) >= 1)
            return std::to_string(WholeSeconds(s)) + "s";
        return FormatSiValue(s, false, false, -3) + "s";
    }
    case AxisNotation::Trig:
        return FormatElapsedTime(TimeAxisSeconds(c, j), c.sampleInterval, false, c.elapsedDigits);
    case AxisNotation::Date: {
        // Without the record's trigger moment there is no date to show.
        if (!c.triggerMoment)
            return {};
        const DateTime base = *c.triggerMoment;
        const double offset = TimeAxisSeconds(c, j) + c.startOffset;
        if (c.enhancedDate)
            return OneLine(FormatDateTime(base, offset, true, IntervalDecimals(c.sampleInterval)));
        return OneLine(FormatDateTimeWhole(base, offset, true));
    }
    }
    return {};
}

} // namespace kp
