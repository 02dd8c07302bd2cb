#pragma once
// Byte positions in the 2048-byte header of the oldest recordings (magic
// "VORAN4756"). Reader and recording writer share them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kp::oldheader {

inline constexpr std::size_t kSize = 2048;
inline constexpr char kMagic[] = "VORAN4756";
inline constexpr std::size_t kFunction = 17; // 3 characters: "MEM", "REC", "RMS"
inline constexpr std::size_t kFunctionSize = 3;
inline constexpr std::size_t kWave = 20; // "WAVE"
inline constexpr std::size_t kPointsPerDiv = 67; // decimal text, 8 bytes
inline constexpr std::size_t kShot = 75; // 8 characters
inline constexpr std::size_t kDataLength = 83; // decimal text, 10 bytes: values per channel
inline constexpr std::size_t kDataLengthSize = 10;
inline constexpr std::size_t kAnalogCount = 110; // decimal text, 3 bytes
inline constexpr std::size_t kLogicCount = 113; // decimal text, 3 bytes: logic blocks of 4 units
inline constexpr std::size_t kSavedFlags = 116; // one character per channel: "1" or "2" saved
inline constexpr int kMaxChannels = 32; // flags 116..147
// Unit slots: 16 slots of 16 bytes; each begins with the unit's 4-character
// model text (blank-padded), empty for a slot without a unit. Channel i sits
// in unit slot i.
inline constexpr std::size_t kUnitSlots = 256;
inline constexpr std::size_t kUnitSlotSize = 16;
inline constexpr int kUnitSlotCount = 16;
inline constexpr std::size_t kUnitModelSize = 4;

// Text of up to maxLength bytes at offset, stopping at NUL; empty outside the header.
std::string Text(std::span<const std::uint8_t> header, std::size_t offset, std::size_t maxLength);
// Decimal value of the text at offset (leading blanks skipped, 0 without digits).
long long Number(std::span<const std::uint8_t> header, std::size_t offset, std::size_t maxLength);
// The model text of the unit that holds channel i ("" when none).
std::string ChannelModule(std::span<const std::uint8_t> header, int channel);
// Stored values of a channel are this much above the sample: 727 for the
// "4522" and "3251" input units, 2048 for all others.
int ChannelZeroOffset(std::span<const std::uint8_t> header, int channel);

} // namespace kp::oldheader
