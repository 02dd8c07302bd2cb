#include "platform/LocaleInfo.h"

#include <clocale>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace kp {

namespace {

// The separators go into single-byte text files: a separator that is not
// one byte of ASCII keeps the default.
void TakeSeparator(const std::string& item, char& separator)
{
    if (!item.empty() && static_cast<unsigned char>(item[0]) < 0x80 && item[0] != '\0')
        separator = item[0];
}

} // namespace

LocaleInfo LocaleFromWindowsItems(
    const std::string& decimal, const std::string& list, const std::string& time, const std::string& date)
{
    LocaleInfo info;
    TakeSeparator(decimal, info.decimalSeparator);
    TakeSeparator(list, info.listSeparator);
    if (!time.empty())
        info.timeFormat = time;
    if (!date.empty())
        info.dateFormat = date;
    info.timeHasSeconds = !info.timeFormat.empty() && info.timeFormat.back() == 's';
    return info;
}

#if defined(_WIN32)

namespace {

// One item of the user-default locale in UTF-8; empty when it cannot be read.
std::string UserLocaleItem(LCTYPE item)
{
    wchar_t wide[128];
    const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, wide, 128);
    if (length <= 1)
        return {};
    char text[512];
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide, length - 1, text, sizeof text, nullptr, nullptr);
    return bytes > 0 ? std::string(text, static_cast<std::size_t>(bytes)) : std::string();
}

} // namespace

void InitLocaleFromSystem()
{
    std::setlocale(LC_ALL, "");
    const LocaleInfo info = LocaleFromWindowsItems(UserLocaleItem(LOCALE_SDECIMAL), UserLocaleItem(LOCALE_SLIST),
        UserLocaleItem(LOCALE_STIMEFORMAT), UserLocaleItem(LOCALE_SSHORTDATE));
    // As on POSIX: the C library keeps the "C" numeric rules, the program's
    // own formatters put in the user's separators.
    std::setlocale(LC_NUMERIC, "C");
    Locale() = info;
}

#endif

} // namespace kp
