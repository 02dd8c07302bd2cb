#pragma once
// Small readers over the header slots shared by the interpreting accessors:
// channel text fields that may be absent, numbers in them, hex doubles and
// case-insensitive comparisons. Internal to interpret/.

#include <optional>
#include <string>
#include <string_view>

#include "wavefile/CWaveHeadInfo.h"

namespace kp::fields {

// Field n of a record as text, or "" for an absent record.
std::string Text(const HeaderRecord* record, int field);

// Field n as a number: nullopt for an absent record or an empty field, 0 for
// a text that is not a number.
std::optional<double> Number(const HeaderRecord* record, int field);

// Field n as a decimal integer prefix; nullopt for an absent record or an
// empty field.
std::optional<long long> Integer(const HeaderRecord* record, int field);

// The double stored as 16 hexadecimal digits from the start of field n (it
// runs on into the next field); nullopt when absent or not 16 hex digits.
std::optional<double> HexDouble(const HeaderRecord* record, int field);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);

// Integer clamped into int, for counts and codes per division.
int ClampToInt(long long value);

} // namespace kp::fields
