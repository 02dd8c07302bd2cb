#pragma once
// Field numbers and block lookups that several scaling accessors share.
// Internal to interpret/.

#include <cstdint>

#include "wavefile/CWaveHeadInfo.h"

namespace kp::scaling {

// Main record field holding the use-channel text of family 2 (one character
// per position; "P" marks a power channel).
inline constexpr int kUseChannelField = 23;

// Channel record field of the stored offset: 35 in families 6-9, else 34.
inline int OffsetField(int family)
{
    return family >= 6 ? 35 : 34;
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
// hex doubles in its second record (fields 14 and 16).
bool HasHexDoubles(const CWaveHeadInfo& head, int ch);

} // namespace kp::scaling
