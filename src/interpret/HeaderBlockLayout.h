#pragma once
// Where the binary channel settings live. The header layouts name these
// values but not always their byte places; Kp reads them (and its recording
// writer writes them) at the places below. All multi-byte values are
// big-endian. Offsets count from the start of the 512-byte record (the tag
// occupies bytes 0-11) or, for the oldest family, of its 2048-byte header.
//
// Unit blocks (families 1, 2, 6, 7): one binary record per unit of eight
// channels (unit = channel / 8, n = channel % 8). The tag is "HPF" (families
// 1, 2, 7) or "HPD5228" (family 6) followed by the 1-based unit number as two
// decimal digits ("HPF01" is unit 0); a tag without digits is unit 0.
//
//   family 1  32+n  input type byte (6: current input)
//             48+n  current range bits (low two bits)
//             96+n  charge mode byte (2: voltage input)
//             104+2n sensitivity, signed 16-bit, in thousandths
//   family 2  12    flag: 1 = vernier values below are valid
//             16+n  type byte
//             24+2n vernier, signed 16-bit (factor (v + 1000) / 1000)
//   family 6  12    flag: 1 = every value below is valid for the unit
//             16+n  probe byte (0-3: x1, x10, x100, x1000)
//             24+n  invert byte (1: inverted)
//             32+2n vernier, signed 16-bit (factor (v + 1000) / 1000)
//             48+4n zero code, signed 32-bit
//             80+8n value per code, IEEE double
//             144+8n offset, IEEE double
//   family 7  16+8n value per code, IEEE double (present block: used)
//             80+8n offset, IEEE double
//             144+8n scaling ratio, IEEE double
//             208+8n scaling offset, IEEE double
//
// Family 0: the "HP3518" record, byte 12 + channel: range index 0-11 into
// {0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100} per division.
//
// Family 4 (2048-byte old header; bytes 0-255 and the unit slots 256-511 are
// the reader's):
//   512   trigger mode byte (0 SINGLE, 1 REPEAT, 2 AUTO)
//   513   pre-trigger, percent (unsigned byte)
//   516   codes per division for every channel, decimal text, 8 bytes
//   1024 + 64*i  channel block of channel i (0-15):
//     +0   range text, 12 bytes ("20mV/DIV" style)
//     +12  kind byte (2: calculated channel)
//     +13  scaling byte (0 OFF, 1 ON(SCI), 2 ON(ENG))
//     +14  eu text, 7 bytes
//     +21  trigger kind byte (used for channels 0-7)
//     +22  trigger filter byte, index into the filter table
//     +23  trigger level, percent (unsigned byte)
//     +24  scaling ratio, IEEE float
//     +28  scaling offset, IEEE float
//     +32  calculation value, IEEE float (times 0.05 / codes per division)
//     +36  calculation offset, IEEE float
//     +40  trigger lower limit, percent (unsigned byte)
//     +41  trigger upper limit, percent (unsigned byte)
//     +44  trigger slope text, 4 bytes
//     +48  trigger pattern text, 8 bytes
//     +56  trigger condition text, 8 bytes
//
// Display settings (families 1, 2, 6, 7, 9): the first "HOF" record, a text
// record: field 4 wave format ("SINGLE", "DUAL", ...), field 5 screen text
// ("WIDE"); family 7 keeps its screen flag as the byte at 504.
// Family 8 keeps its screen text in field 28 of the system record "HS".

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kp {

class CWaveHeadInfo;

namespace layout {

inline constexpr std::size_t kUnitFlag = 12;

namespace family1 {
inline constexpr std::size_t kInputType = 32;
inline constexpr std::size_t kCurrentBits = 48;
inline constexpr std::size_t kChargeMode = 96;
inline constexpr std::size_t kSensitivity = 104;
} // namespace family1

namespace family2 {
inline constexpr std::size_t kType = 16;
inline constexpr std::size_t kVernier = 24;
} // namespace family2

namespace family6 {
inline constexpr std::size_t kProbe = 16;
inline constexpr std::size_t kInvert = 24;
inline constexpr std::size_t kVernier = 32;
inline constexpr std::size_t kZeroCode = 48;
inline constexpr std::size_t kValuePerCode = 80;
inline constexpr std::size_t kOffset = 144;
} // namespace family6

namespace family7 {
inline constexpr std::size_t kValuePerCode = 16;
inline constexpr std::size_t kOffset = 80;
inline constexpr std::size_t kScalingRatio = 144;
inline constexpr std::size_t kScalingOffset = 208;
} // namespace family7

namespace family0 {
inline constexpr std::size_t kRangeIndex = 12;
} // namespace family0

namespace family4 {
inline constexpr std::size_t kTriggerMode = 512;
inline constexpr std::size_t kPreTrigger = 513;
inline constexpr std::size_t kCodesPerDiv = 516;
inline constexpr std::size_t kCodesPerDivLength = 8;
inline constexpr std::size_t kChannelBlocks = 1024;
inline constexpr std::size_t kChannelBlockSize = 64;
inline constexpr int kChannelBlockCount = 16;
inline constexpr std::size_t kRange = 0;
inline constexpr std::size_t kRangeLength = 12;
inline constexpr std::size_t kKind = 12;
inline constexpr std::size_t kScaling = 13;
inline constexpr std::size_t kEu = 14;
inline constexpr std::size_t kEuLength = 7;
inline constexpr std::size_t kTriggerKind = 21;
inline constexpr std::size_t kTriggerFilter = 22;
inline constexpr std::size_t kTriggerLevel = 23;
inline constexpr std::size_t kScalingRatio = 24;
inline constexpr std::size_t kScalingOffset = 28;
inline constexpr std::size_t kCalcValue = 32;
inline constexpr std::size_t kCalcOffset = 36;
inline constexpr std::size_t kTriggerLower = 40;
inline constexpr std::size_t kTriggerUpper = 41;
inline constexpr std::size_t kTriggerSlope = 44;
inline constexpr std::size_t kTriggerSlopeLength = 4;
inline constexpr std::size_t kTriggerPattern = 48;
inline constexpr std::size_t kTriggerPatternLength = 8;
inline constexpr std::size_t kTriggerCondition = 56;
inline constexpr std::size_t kTriggerConditionLength = 8;
} // namespace family4

inline constexpr std::size_t kDisplayScreenByte = 504;

// The unit block of a unit (families 1, 2, 6, 7), or an empty span.
std::span<const std::uint8_t> UnitBlock(const CWaveHeadInfo& head, int unit);

// Families 2 and 6: the unit block is present and its flag byte is 1.
bool UnitFlagged(const CWaveHeadInfo& head, int unit);

// Family 4: the 64-byte block of channel ch (0-15), or an empty span.
std::span<const std::uint8_t> Family4ChannelBlock(const CWaveHeadInfo& head, int ch);

// Bounds-checked big-endian reads; 0 outside the span.
std::uint8_t ByteAt(std::span<const std::uint8_t> block, std::size_t offset);
std::int16_t Int16At(std::span<const std::uint8_t> block, std::size_t offset);
std::int32_t Int32At(std::span<const std::uint8_t> block, std::size_t offset);
float FloatAt(std::span<const std::uint8_t> block, std::size_t offset);
double DoubleAt(std::span<const std::uint8_t> block, std::size_t offset);
// NUL-terminated text of at most length bytes.
std::string TextAt(std::span<const std::uint8_t> block, std::size_t offset, std::size_t length);

} // namespace layout
} // namespace kp
