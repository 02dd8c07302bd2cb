#pragma once
// The user's locale values, filled once at start and read by every formatter
// and writer. Tests set them directly.

#include <string>

namespace kp {

struct LocaleInfo {
    char decimalSeparator = '.';
    char listSeparator = ',';
    std::string timeFormat = "HH:mm:ss";
    bool timeHasSeconds = true;
    // Short-date picture in the same letter notation (d, M, y).
    std::string dateFormat = "yyyy/MM/dd";
};

// The process-wide values.
LocaleInfo& Locale();

// Fills Locale() from the user-default locale: on Windows from its items
// (LocaleFromWindowsItems), elsewhere from the C library. POSIX has no list
// separator: it is ";" when the decimal separator is ",", else ",".
void InitLocaleFromSystem();

// The values from the Windows locale items, in UTF-8: decimal separator,
// list separator, time picture and short-date picture (already in the letter
// form). Of a separator the first character is taken when it is a single
// byte; an empty or unusable item leaves the default.
LocaleInfo LocaleFromWindowsItems(
    const std::string& decimal, const std::string& list, const std::string& time, const std::string& date);

// A strftime time or date picture of the C library ("%H:%M:%S", "%d.%m.%Y")
// in the program's letter form ("HH:mm:ss", "dd.MM.yyyy").
std::string TimePictureFromStrftime(const std::string& picture);

// Sets the values for the lifetime of the object and restores the previous
// ones afterwards (tests).
class ScopedLocale {
public:
    explicit ScopedLocale(const LocaleInfo& info)
        : saved_(Locale())
    {
        Locale() = info;
    }
    ~ScopedLocale() { Locale() = saved_; }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    LocaleInfo saved_;
};

} // namespace kp
