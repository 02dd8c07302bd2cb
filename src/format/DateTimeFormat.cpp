#include "format/DateTimeFormat.h"

#include "format/DatePicture.h"
#include "format/NumberWriter.h"
#include "format/TextTrim.h"
#include "platform/LocaleInfo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace kp {

namespace {

constexpr double kFractionThreshold = 1e-12;
// Beyond this a double has no fraction left and the whole part no longer fits
// the moment's 64-bit seconds.
constexpr double kMaxOffset = 9e15;
constexpr int kMaxDecimals = 100;

struct SplitOffset {
    std::int64_t whole = 0;
    double fraction = 0; // 0 <= fraction < 1
};

SplitOffset Split(double offset)
{
    if (!std::isfinite(offset))
        return {};
    offset = std::clamp(offset, -kMaxOffset, kMaxOffset);
    SplitOffset s;
    const double whole = std::floor(offset);
    s.whole = static_cast<std::int64_t>(whole);
    s.fraction = offset - whole;
    const double tolerance = std::max(1e-9, std::fabs(offset) * 1e-15);
    if (s.fraction > 1.0 - tolerance) {
        ++s.whole;
        s.fraction = 0;
    }
    if (s.fraction < kFractionThreshold)
        s.fraction = 0;
    return s;
}

std::string Join(const DateTime& moment, bool twoLines)
{
    const CivilFields fields = moment.Civil();
    const LocaleInfo& locale = Locale();
    std::string text = FormatPicture(fields, locale.dateFormat);
    text += twoLines ? "\r\n" : " ";
    text += FormatPicture(fields, locale.timeFormat);
    return text;
}

} // namespace

std::string FormatDateTimeWhole(const DateTime& base, double offsetSeconds, bool twoLines)
{
    return Join(base.AddSeconds(Split(offsetSeconds).whole), twoLines);
}

std::string FormatDateTime(const DateTime& base, double offsetSeconds, bool twoLines, int decimals)
{
    SplitOffset s = Split(offsetSeconds);
    std::string fraction;
    if (s.fraction != 0 && Locale().timeHasSeconds) {
        fraction = TrimFractionZeros(FormatFixed(s.fraction, std::min(decimals, kMaxDecimals)));
        if (fraction[0] == '1') {
            ++s.whole;
            fraction.clear();
        } else {
            fraction.erase(0, 1); // the leading "0"
        }
    }
    return Join(base.AddSeconds(s.whole), twoLines) + fraction;
}

} // namespace kp
