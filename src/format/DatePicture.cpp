#include "format/DatePicture.h"

#include "format/NumberWriter.h"

#include <array>

namespace kp {

namespace {

constexpr std::array<const char*, 7> kDayNames { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
    "Saturday" };
constexpr std::array<const char*, 12> kMonthNames { "January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December" };

void AppendPadded(std::string& out, std::int64_t value, int width)
{
    if (value < 0) {
        out += '-';
        value = -value;
    }
    std::string digits;
    AppendInt(digits, value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

void AppendField(std::string& out, const CivilFields& f, char letter, int count)
{
    switch (letter) {
    case 'd':
        if (count <= 2)
            AppendPadded(out, f.day, count);
        else
            out += count == 3 ? std::string(kDayNames[f.weekday]).substr(0, 3) : kDayNames[f.weekday];
        break;
    case 'M':
        if (count <= 2)
            AppendPadded(out, f.month, count);
        else
            out += count == 3 ? std::string(kMonthNames[f.month - 1]).substr(0, 3) : kMonthNames[f.month - 1];
        break;
    case 'y': {
        if (count <= 2) {
            const std::int64_t inCentury = ((f.year % 100) + 100) % 100;
            AppendPadded(out, inCentury, count);
        } else {
            AppendPadded(out, f.year, 4);
        }
        break;
    }
    case 'h': {
        const int hour12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
        AppendPadded(out, hour12, count >= 2 ? 2 : 1);
        break;
    }
    case 'H':
        AppendPadded(out, f.hour, count >= 2 ? 2 : 1);
        break;
    case 'm':
        AppendPadded(out, f.minute, count >= 2 ? 2 : 1);
        break;
    case 's':
        AppendPadded(out, f.second, count >= 2 ? 2 : 1);
        break;
    case 't':
        out += f.hour < 12 ? 'A' : 'P';
        if (count >= 2)
            out += 'M';
        break;
    default:
        break; // 'g': era, none on this calendar
    }
}

bool IsPictureLetter(char c)
{
    return c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' || c == 's' || c == 't' || c == 'g';
}

} // namespace

std::string FormatPicture(const CivilFields& fields, std::string_view picture)
{
    std::string out;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            ++i;
            if (i < picture.size() && picture[i] == '\'') {
                out += '\'';
                ++i;
                continue;
            }
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += picture[i++];
            }
            continue;
        }
        if (!IsPictureLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        int count = 0;
        while (i < picture.size() && picture[i] == c) {
            ++count;
            ++i;
        }
        AppendField(out, fields, c, count);
    }
    return out;
}

} // namespace kp
