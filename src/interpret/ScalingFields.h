#pragma once
// Field numbers and block lookups that several scaling accessors share.
// Internal to interpret/.

#include <cstdint>

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelMap.h"

namespace kp::scaling {

// Main record field holding the use-channel text of family 2 (one character
// per position; "P" marks a power channel).
inline constexpr int kUseChannelField = 23;

// Channel record field of the stored value per code.
inline constexpr int kValuePerCodeField = 33;

// Families 8 and 9: second channel record fields where the value per code
// and the offset start as hex doubles.
inline constexpr int kHexValuePerCodeField = 14;
inline constexpr int kHexOffsetField = 16;

// Family 8 splits two GPS entries over slots of their own: the sixth entry's
// three quantities and the seventh entry's four, of which one reads in
// tenths around an offset.
inline bool IsGpsSixthEntrySlot(int ch)
{
    return ch >= kFamily8GpsSplitFirstSlot && ch < kFamily8GpsSplitFirstSlot + 3;
}
inline bool IsGpsSeventhEntrySlot(int ch)
{
    return ch >= kFamily8GpsSplitFirstSlot + 3 && ch < kFamily8GpsSplitFirstSlot + kFamily8GpsSplitSlots;
}
inline constexpr int kGpsTenthsSlot = kFamily8GpsSplitFirstSlot + 5;

// Channel record field of the stored offset: 35 in families 6-9, else 34.
inline int OffsetField(HeaderFamily family)
{
    return family >= HeaderFamily::Family6 ? 35 : 34;
}

// Unit of eight channels and the channel within it.
inline int UnitOf(int ch)
{
    return ch / 8;
}
inline int ChannelInUnit(int ch)
{
    return ch % 8;
}

// Family 2: the channel's type byte in its unit block (0 without a block).
int Family2TypeByte(const CWaveHeadInfo& head, int ch);

// Families 8 and 9: the channel carries its value per code and offset as
// hex doubles in its second record.
bool HasHexDoubles(const CWaveHeadInfo& head, int ch);

} // namespace kp::scaling
