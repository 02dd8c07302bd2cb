#include "interpret/HeaderFields.h"

#include <algorithm>
#include <climits>

#include "interpret/RangeText.h"

namespace kp::fields {

std::string Text(const HeaderRecord* record, int field)
{
    return record ? FieldText(*record, field) : std::string();
}

std::optional<double> Number(const HeaderRecord* record, int field)
{
    if (!record)
        return std::nullopt;
    return GivenNumber(FieldText(*record, field));
}

std::optional<long long> Integer(const HeaderRecord* record, int field)
{
    if (!record)
        return std::nullopt;
    const std::string text = FieldText(*record, field);
    if (text.find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    return ParseIntPrefix(text);
}

std::optional<double> HexDouble(const HeaderRecord* record, int field)
{
    if (!record || field < 0 || field >= kFieldCount)
        return std::nullopt;
    const std::size_t at = static_cast<std::size_t>(field) * kFieldSize;
    if (at + 16 > record->size())
        return std::nullopt;
    const std::string_view digits(reinterpret_cast<const char*>(record->data() + at), 16);
    return HexDoubleText(digits);
}

namespace {
char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.starts_with(prefix);
}

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace kp::fields
