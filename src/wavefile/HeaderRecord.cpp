#include "wavefile/HeaderRecord.h"

#include <cstring>

namespace kp {

std::string BytesText(const HeaderRecord& record, std::size_t offset, std::size_t maxLength)
{
    std::string out;
    for (std::size_t i = 0; i < maxLength && offset + i < record.size(); ++i) {
        char c = static_cast<char>(record[offset + i]);
        if (c == '\0')
            break;
        out += c;
    }
    return out;
}

std::string FieldText(const HeaderRecord& record, int field)
{
    if (field < 0 || field >= kFieldCount)
        return {};
    return BytesText(record, static_cast<std::size_t>(field) * kFieldSize, kFieldSize);
}

long long ParseIntPrefix(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()
        && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' || text[i] == '\v'
            || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    constexpr long long kLimit = 1'000'000'000'000'000'000LL;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit)
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

long long FieldInt(const HeaderRecord& record, int field)
{
    return ParseIntPrefix(FieldText(record, field));
}

bool TagIs(const HeaderRecord& record, std::string_view tag)
{
    if (tag.size() >= kFieldSize)
        return tag.size() == kFieldSize && std::memcmp(record.data(), tag.data(), kFieldSize) == 0;
    return std::memcmp(record.data(), tag.data(), tag.size()) == 0 && record[tag.size()] == 0;
}

bool TagStartsWith(const HeaderRecord& record, std::string_view tag)
{
    return tag.size() <= record.size() && std::memcmp(record.data(), tag.data(), tag.size()) == 0;
}

} // namespace kp
