#include "format/ElapsedTimeFormat.h"

#include "format/NumberWriter.h"
#include "format/SiFormat.h"
#include "platform/LocaleInfo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kp {

namespace {

// Beyond this the seconds no longer fit 64 bits as tenths.
constexpr double kMaxSeconds = 9e17;

struct Components {
    std::int64_t days;
    int hours;
    int minutes;
    int seconds;
};

Components Split(std::int64_t wholeSeconds)
{
    Components c;
    c.days = wholeSeconds / 86400;
    const std::int64_t rest = wholeSeconds % 86400;
    c.hours = static_cast<int>(rest / 3600);
    c.minutes = static_cast<int>(rest / 60 % 60);
    c.seconds = static_cast<int>(rest % 60);
    return c;
}

void AppendDaysHours(std::string& text, char sign, const Components& c, bool twoLines)
{
    text += sign;
    AppendInt(text, c.days);
    text += 'd';
    AppendInt(text, c.hours);
    text += 'h';
    if (twoLines)
        text += "\r\n ";
}

} // namespace

std::string FormatElapsedTime(double seconds, double stepSeconds, bool twoLines, int digits)
{
    if (stepSeconds < 0.1) {
        if (digits < 1)
            digits = stepSeconds >= 1e-6 ? 6 : 9;
        return FormatSiValue(seconds, true, true, digits) + "s";
    }
    if (!std::isfinite(seconds))
        return FormatFixed(seconds, 0) + "s";

    const char sign = seconds < 0 ? '-' : ' ';
    const double a = std::min(std::fabs(seconds), kMaxSeconds);
    // A time computed as points x interval can fall a few ulps short of the
    // whole second it stands for.
    const double tolerance = std::max(1e-9, a * 1e-15);
    std::string text;
    if (stepSeconds >= 1) {
        const Components c = Split(static_cast<std::int64_t>(std::floor(a + tolerance)));
        AppendDaysHours(text, sign, c, twoLines);
        AppendInt(text, c.minutes);
        text += ':';
        AppendInt(text, c.seconds);
        return text;
    }

    std::int64_t whole = static_cast<std::int64_t>(std::trunc(a));
    std::int64_t tenths = static_cast<std::int64_t>(std::trunc((a - std::trunc(a)) * 10 + 0.5));
    if (tenths >= 10) {
        ++whole;
        tenths = 0;
    }
    const Components c = Split(whole);
    AppendDaysHours(text, sign, c, twoLines);
    AppendInt(text, c.minutes);
    text += 'm';
    AppendInt(text, c.seconds);
    text += Locale().decimalSeparator;
    AppendInt(text, tenths);
    text += 's';
    return text;
}

} // namespace kp
