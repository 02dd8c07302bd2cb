#pragma once
// The chunked family's part of the channel accessors: values that family 5
// keeps in its per-channel settings chunk and its frame descriptions rather
// than in the channel text records. Each function gives the family-5 answer
// of one CWaveHeadInfo accessor (named beside it) before the accessor's own
// combination (vernier, POWER CYCLE offset) is applied.

#include <cstdint>
#include <optional>
#include <string>

namespace kp {

class CWaveHeadInfo;

namespace family5 {

// GetValuePerCode and GetCalcValuePerCode: the stored value per code (1
// without a settings entry).
double StoredValuePerCode(const CWaveHeadInfo& head, int ch);
// GetOffsetValue and GetCalcOffset: the stored offset (0 without an entry).
double StoredOffset(const CWaveHeadInfo& head, int ch);
// GetDisplayCodesPerDiv: the stored codes per division; none without an
// entry or for a stored value below 1 (the accessor then falls back to
// GetCodesPerDiv, so a view never divides by 0).
std::optional<int> DisplayCodesPerDiv(const CWaveHeadInfo& head, int ch);
// GetZeroCode: the stored 16-bit zero code, read as signed; -32768 without
// an entry.
std::int64_t ZeroCode(const CWaveHeadInfo& head, int ch);
// GetDisplayDigits: true when the entry carries a three-letter precision
// mark other than "OFF" (7 digits even for 12-bit channels).
bool WantsMoreDigits(const CWaveHeadInfo& head, int ch);
// GetUnitText: the unit text of the settings entry, for channels whose text
// record leaves field 22 empty ("" without an entry).
std::string StoredUnitText(const CWaveHeadInfo& head, int ch);

} // namespace family5
} // namespace kp
