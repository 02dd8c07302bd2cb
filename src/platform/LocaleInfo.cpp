#include "platform/LocaleInfo.h"

#include <clocale>
#include <cstring>
#if !defined(_WIN32)
#include <langinfo.h>
#endif

namespace kp {

LocaleInfo& Locale()
{
    static LocaleInfo info;
    return info;
}

// The C library writes its time picture in strftime form ("%H:%M:%S"); the
// program's notation is the letter form ("HH:mm:ss"). GNU pictures may carry
// flags ("%-I": no padding) and the E/O modifiers, which change nothing here.
std::string TimePictureFromStrftime(const std::string& fmt)
{
    std::string out;
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] != '%' || i + 1 >= fmt.size()) {
            out += fmt[i];
            continue;
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
        case 'H': out += unpadded ? "H" : "HH"; break;
        case 'k': out += "H"; break;
        case 'I': out += unpadded ? "h" : "hh"; break;
        case 'l': out += "h"; break;
        case 'M': out += unpadded ? "m" : "mm"; break;
        case 'S': out += unpadded ? "s" : "ss"; break;
        case 'p':
        case 'P': out += "tt"; break;
        case 'T': out += "HH:mm:ss"; break;
        case 'R': out += "HH:mm"; break;
        case 'r': out += "hh:mm:ss tt"; break;
        case '%': out += '%'; break;
        default: break; // fields a time picture does not carry
        }
    }
    return out;
}


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
#if !defined(_WIN32)
    if (const char* t = nl_langinfo(T_FMT); t != nullptr && t[0] != '\0') {
        std::string picture = TimePictureFromStrftime(t);
        if (!picture.empty())
            info.timeFormat = picture;
    }
#endif
    info.timeHasSeconds = !info.timeFormat.empty() && info.timeFormat.back() == 's';
    // Numbers are printed through the program's own formatters with the
    // separators above; the C library keeps the "C" numeric rules so that no
    // header text is ever parsed with a comma.
    std::setlocale(LC_NUMERIC, "C");
    Locale() = info;
}

} // namespace kp
