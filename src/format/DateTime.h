#pragma once
// A moment on the recorder's clock: a calendar date and a time of day to the
// second, as the header's trigger date and time texts give them. The clock
// knows no time zone and no daylight saving, so neither does this type: all
// arithmetic is plain proleptic Gregorian calendar arithmetic and never
// depends on the machine's time zone.

#include <compare>
#include <cstdint>
#include <optional>

namespace kp {

struct CivilFields {
    std::int64_t year = 1970;
    int month = 1; // 1..12
    int day = 1; // 1..31
    int hour = 0; // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
    int weekday = 4; // 0 Sunday .. 6 Saturday
};

class DateTime {
public:
    // 1970-01-01 00:00:00.
    DateTime() = default;

    // Nothing when a field is out of its range (month 13, 31 April, 29
    // February of a common year, hour 24, second 60).
    static std::optional<DateTime> FromCivil(
        std::int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static DateTime FromSeconds(std::int64_t secondsSince1970) { return DateTime(secondsSince1970); }

    // Seconds since 1970-01-01 00:00:00 on the same clock.
    std::int64_t Seconds() const { return seconds_; }
    CivilFields Civil() const;

    // Saturates at the ends of the 64-bit range rather than wrapping.
    DateTime AddSeconds(std::int64_t seconds) const;

    friend auto operator<=>(const DateTime&, const DateTime&) = default;

private:
    explicit DateTime(std::int64_t seconds)
        : seconds_(seconds)
    {
    }
    std::int64_t seconds_ = 0;
};

} // namespace kp
