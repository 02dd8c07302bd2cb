#include "platform/LocaleInfo.h"

#include <clocale>
#include <cstring>
#include <string_view>
#if !defined(_WIN32)
#include <langinfo.h>
#endif

namespace kp {

LocaleInfo& Locale()
{
    static LocaleInfo info;
    return info;
}

// The C library writes its time and date pictures in strftime form
// ("%H:%M:%S", "%d.%m.%Y"); the program's notation is the letter form
// ("HH:mm:ss", "dd.MM.yyyy"). GNU pictures may carry flags ("%-I": no
// padding) and the E/O modifiers, which change nothing here.
std::string TimePictureFromStrftime(const std::string& fmt)
{
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] != '%' || i + 1 >= fmt.size()) {
            // Literal letters that the letter form reads as fields ("%d de
            // %B", "%H h %M") are quoted.
            if (fmt[i] == '\'') {
                out += "''";
            } else {
                if (!quoted && std::string_view("dMyhHmstg").find(fmt[i]) != std::string_view::npos) {
                    out += '\'';
                    quoted = true;
                }
                out += fmt[i];
            }
            continue;
        }
        if (quoted) {
            out += '\'';
            quoted = false;
        }
        bool unpadded = false;
        while (i + 1 < fmt.size() && std::strchr("-_0^#", fmt[i + 1]) != nullptr)
            unpadded |= fmt[++i] == '-';
        if (i + 1 < fmt.size() && (fmt[i + 1] == 'E' || fmt[i + 1] == 'O'))
            ++i;
        if (i + 1 >= fmt.size())
            break;
        const char c = fmt[++i];
        switch (c) {
        case 'H':
            out += unpadded ? "H" : "HH";
            break;
        case 'k':
            out += "H";
            break;
        case 'I':
            out += unpadded ? "h" : "hh";
            break;
        case 'l':
            out += "h";
            break;
        case 'M':
            out += unpadded ? "m" : "mm";
            break;
        case 'S':
            out += unpadded ? "s" : "ss";
            break;
        case 'p':
        case 'P':
            out += "tt";
            break;
        case 'T':
            out += "HH:mm:ss";
            break;
        case 'R':
            out += "HH:mm";
            break;
        case 'r':
            out += "hh:mm:ss tt";
            break;
        case 'd':
            out += unpadded ? "d" : "dd";
            break;
        case 'e':
            out += "d";
            break;
        case 'm':
            out += unpadded ? "M" : "MM";
            break;
        case 'y':
            out += "yy";
            break;
        case 'Y':
            out += "yyyy";
            break;
        case 'b':
        case 'h':
            out += "MMM";
            break;
        case 'B':
            out += "MMMM";
            break;
        case 'a':
            out += "ddd";
            break;
        case 'A':
            out += "dddd";
            break;
        case 'D':
            out += "MM/dd/yy";
            break;
        case 'F':
            out += "yyyy-MM-dd";
            break;
        case '%':
            out += '%';
            break;
        default:
            break; // fields a time picture does not carry
        }
    }
    if (quoted)
        out += '\'';
    return out;
}

// Windows reads the user's locale items instead: LocaleInfoWindows.cpp.
#if !defined(_WIN32)

void InitLocaleFromSystem()
{
    LocaleInfo info;
    std::setlocale(LC_ALL, "");
    // The separator is written into single-byte text files; a locale whose
    // separator is a multi-byte character keeps the default.
    if (const std::lconv* lc = std::localeconv(); lc != nullptr && lc->decimal_point != nullptr
        && lc->decimal_point[0] != '\0' && lc->decimal_point[1] == '\0'
        && static_cast<unsigned char>(lc->decimal_point[0]) < 0x80)
        info.decimalSeparator = lc->decimal_point[0];
    info.listSeparator = info.decimalSeparator == ',' ? ';' : ',';
    if (const char* t = nl_langinfo(T_FMT); t != nullptr && t[0] != '\0') {
        std::string picture = TimePictureFromStrftime(t);
        if (!picture.empty())
            info.timeFormat = picture;
    }
    if (const char* d = nl_langinfo(D_FMT); d != nullptr && d[0] != '\0') {
        std::string picture = TimePictureFromStrftime(d);
        if (!picture.empty())
            info.dateFormat = picture;
    }
    info.timeHasSeconds = !info.timeFormat.empty() && info.timeFormat.back() == 's';
    // Numbers are printed through the program's own formatters with the
    // separators above; the C library keeps the "C" numeric rules so that no
    // header text is ever parsed with a comma.
    std::setlocale(LC_NUMERIC, "C");
    Locale() = info;
}

#endif

} // namespace kp
