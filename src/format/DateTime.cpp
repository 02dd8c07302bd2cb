#include "format/DateTime.h"

#include <limits>

namespace kp {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

bool IsLeapYear(std::int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(std::int64_t y, int m)
{
    constexpr int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Days since 1970-01-01 of a proleptic Gregorian date, by 400-year eras.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

std::optional<DateTime> DateTime::FromCivil(std::int64_t year, int month, int day, int hour, int minute, int second)
{
    // The year limit keeps every second of every accepted date inside 64 bits.
    constexpr std::int64_t kYearLimit = 100'000'000'000LL;
    if (year <= -kYearLimit || year >= kYearLimit || month < 1 || month > 12 || day < 1
        || day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return std::nullopt;
    return DateTime(DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second);
}

CivilFields DateTime::Civil() const
{
    CivilFields f;
    const std::int64_t days = FloorDiv(seconds_, kSecondsPerDay);
    const std::int64_t secondOfDay = seconds_ - days * kSecondsPerDay;
    f.hour = static_cast<int>(secondOfDay / 3600);
    f.minute = static_cast<int>(secondOfDay / 60 % 60);
    f.second = static_cast<int>(secondOfDay % 60);
    // 1970-01-01 was a Thursday.
    f.weekday = static_cast<int>(days - FloorDiv(days + 4, 7) * 7 + 4);

    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    f.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    f.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    f.year = yoe + era * 400 + (f.month <= 2 ? 1 : 0);
    return f;
}

DateTime DateTime::AddSeconds(std::int64_t seconds) const
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (seconds > 0 && seconds_ > kMax - seconds)
        return DateTime(kMax);
    if (seconds < 0 && seconds_ < kMin - seconds)
        return DateTime(kMin);
    return DateTime(seconds_ + seconds);
}

} // namespace kp
