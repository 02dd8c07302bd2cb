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

// Fills Locale() from the C library's user-default locale. POSIX has no list
// separator: it is ";" when the decimal separator is ",", else ",".
void InitLocaleFromSystem();

// A strftime time or date picture of the C library ("%H:%M:%S", "%d.%m.%Y")
// in the program's letter form ("HH:mm:ss", "dd.MM.yyyy").
std::string TimePictureFromStrftime(const std::string& picture);

// Sets the values for the lifetime of the object and restores the previous
// ones afterwards (tests).
class ScopedLocale {
public:
    explicit ScopedLocale(const LocaleInfo& info) : saved_(Locale()) { Locale() = info; }
    ~ScopedLocale() { Locale() = saved_; }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    LocaleInfo saved_;
};

} // namespace kp
