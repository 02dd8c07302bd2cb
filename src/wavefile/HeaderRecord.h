#pragma once
// The 512-byte header record: 42 text fields of 12 bytes (field n at byte 12n)
// and 8 spare bytes. A full field has no terminator.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kp {

inline constexpr std::size_t kHeaderRecordSize = 512;
inline constexpr std::size_t kFieldSize = 12;
inline constexpr int kFieldCount = 42;

using HeaderRecord = std::array<std::uint8_t, kHeaderRecordSize>;

// Field n as text: up to the first NUL, at most 12 characters. Empty for a
// field number outside 0..41.
std::string FieldText(const HeaderRecord& record, int field);

// Field n as a decimal integer prefix (leading blanks and one sign skipped,
// digits up to the first non-digit); 0 when there are no digits.
long long FieldInt(const HeaderRecord& record, int field);

// Decimal integer prefix of a text, by the same rule as FieldInt.
long long ParseIntPrefix(std::string_view text);

// True when the record's tag (field 0) equals tag including its terminator.
bool TagIs(const HeaderRecord& record, std::string_view tag);

// True when the record's first tag.size() bytes equal tag (prefix tags such as "HPF").
bool TagStartsWith(const HeaderRecord& record, std::string_view tag);

// Text of up to maxLength bytes starting at a byte offset, stopping at NUL.
std::string BytesText(const HeaderRecord& record, std::size_t offset, std::size_t maxLength);

} // namespace kp
