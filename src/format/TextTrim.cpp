#include "format/TextTrim.h"

#include "platform/LocaleInfo.h"

namespace kp {

std::string TrimFractionZeros(std::string_view text)
{
    const char separator = Locale().decimalSeparator;
    if (text.find(separator) == std::string_view::npos)
        return std::string(text);
    std::size_t end = text.size();
    while (end > 1 && text[end - 1] == '0')
        --end;
    if (end > 1 && text[end - 1] == separator)
        --end;
    return std::string(text.substr(0, end));
}

std::string_view TrimmedView(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string TrimBoth(std::string_view text)
{
    return std::string(TrimmedView(text));
}

} // namespace kp
