#include "view/CursorTexts.h"

#include "format/DateTimeFormat.h"
#include "format/ElapsedTimeFormat.h"
#include "format/SiFormat.h"
#include "format/TextTrim.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kp {

namespace {

// Decimals that show the sample interval in a date: 0.001 s needs 3.
int IntervalDecimals(double interval)
{
    if (!(interval > 0) || interval >= 1)
        return 0;
    const int d = static_cast<int>(std::ceil(-std::log10(interval) - 1e-9));
    return d < 0 ? 0 : (d > 9 ? 9 : d);
}

std::string Seconds(double s)
{
    return FormatSiValue(s, false, true, -6) + "s";
}

std::string Elapsed(const CursorTextContext& c, double s)
{
    return FormatElapsedTime(s, c.sampleInterval, false, c.elapsedDigits);
}

std::string Divisions(const CursorTextContext& c, std::int64_t points)
{
    const double ppd = c.pointsPerDivision > 0 ? static_cast<double>(c.pointsPerDivision) : 1.0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(points) / ppd);
    return TrimFractionZeros(buf) + "DIV";
}

} // namespace

std::string CursorPositionText(const CursorTextContext& c, std::int64_t p)
{
    const std::int64_t relative = p - c.trigger;
    const double s = static_cast<double>(relative) * c.sampleInterval;
    switch (c.notation) {
    case 0:
        return Divisions(c, relative);
    case 1:
        return Seconds(s);
    case 2:
        return std::to_string(relative);
    case 4:
        if (c.triggerMoment) {
            if (c.enhancedDate)
                return FormatDateTime(*c.triggerMoment, s + c.startOffset, false, IntervalDecimals(c.sampleInterval));
            return FormatDateTimeWhole(*c.triggerMoment, s + c.startOffset, false);
        }
        return Elapsed(c, s);
    default:
        return Elapsed(c, s);
    }
}

std::string CursorDistanceText(const CursorTextContext& c, std::int64_t a, std::int64_t b)
{
    const std::int64_t d = b - a;
    const double s = static_cast<double>(d) * c.sampleInterval;
    switch (c.notation) {
    case 0:
        return Divisions(c, d);
    case 1: {
        std::string text = Seconds(s);
        if (d == 0 || !(c.sampleInterval > 0))
            return text + "\r\n[---Hz]";
        return text + "\r\n[" + FormatSiValue(1.0 / s, false, true, -4) + "Hz]";
    }
    case 2:
        return std::to_string(d);
    default:
        return Elapsed(c, s);
    }
}

std::optional<std::int64_t> TypedCursorPosition(const CursorTextContext& c, const std::string& text)
{
    const std::string t = TrimBoth(text);
    std::size_t start = 0;
    if (!t.empty() && t[0] == '+')
        start = 1;
    std::int64_t v = 0;
    const char* first = t.data() + start;
    const char* last = t.data() + t.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end != last || first == last)
        return std::nullopt;
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    if ((c.trigger > 0 && v > kMax - c.trigger) || (c.trigger < 0 && v < kMin - c.trigger))
        return std::nullopt;
    return v + c.trigger;
}

} // namespace kp
