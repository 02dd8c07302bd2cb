#include "format/DurationFormat.h"

#include "format/NumberWriter.h"
#include "format/TextTrim.h"
#include "platform/LocaleInfo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kp {

namespace {

constexpr std::int64_t kMicrosPerSecond = 1'000'000;
constexpr std::int64_t kMicrosPerMinute = 60 * kMicrosPerSecond;
// Keeps the microseconds inside 64 bits (about 285,000 years).
constexpr double kMaxSeconds = 9e12;

// The microseconds that printf("%.6f") prints for the seconds, so that the
// rounding is the one the seconds text would show.
std::int64_t RoundToMicros(double seconds)
{
    char buffer[FixedCapacity(6)];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 6).ptr;
    std::int64_t micros = 0;
    bool negative = false;
    for (char* p = buffer; p != end; ++p) {
        if (*p == '-')
            negative = true;
        else if (*p != '.')
            micros = micros * 10 + (*p - '0');
    }
    return negative ? -micros : micros;
}

// "%.6f" of micros / 1e6 with the locale separator, trailing zeros trimmed.
std::string SecondsText(std::int64_t micros)
{
    std::string text;
    if (micros < 0) {
        text += '-';
        micros = -micros;
    }
    AppendInt(text, micros / kMicrosPerSecond);
    text += Locale().decimalSeparator;
    std::string fraction;
    AppendInt(fraction, micros % kMicrosPerSecond);
    text.append(6 - fraction.size(), '0');
    text += fraction;
    return TrimFractionZeros(text) + "s";
}

} // namespace

std::string FormatDuration(double intervalSeconds, int count, bool showCount)
{
    const double total = count > 1 ? (static_cast<double>(count) - 1) * intervalSeconds : 0.0;
    std::string text;
    if (!std::isfinite(total)) {
        text = FormatFixed(total, 6) + "s";
    } else {
        const std::int64_t micros = RoundToMicros(std::clamp(total, -kMaxSeconds, kMaxSeconds));
        if (micros < kMicrosPerMinute) {
            text = SecondsText(micros);
        } else {
            const std::int64_t minutesTotal = micros / kMicrosPerMinute;
            const std::int64_t rest = micros % kMicrosPerMinute;
            const std::int64_t hoursTotal = minutesTotal / 60;
            const std::int64_t parts[] = { hoursTotal / 24, hoursTotal % 24, minutesTotal % 60 };
            const char* units[] = { "d", "h", "min" };
            for (int i = 0; i < 3; ++i) {
                if (parts[i] > 0) {
                    AppendInt(text, parts[i]);
                    text += units[i];
                }
            }
            if (rest > 0)
                text += SecondsText(rest);
        }
    }
    if (showCount) {
        text += '(';
        AppendInt(text, count);
        text += ')';
    }
    return text;
}

} // namespace kp
