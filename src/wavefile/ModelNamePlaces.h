#pragma once
// Where the header keeps the texts that name the instrument beyond the model
// field of the main record. Reader and recording writer share these places.
//
//   instrument number, model 4267 (family 1)   first "HPF" record, 16 characters at byte 448
//   instrument number, family 6                 first "HPD5228" record, 32 characters at byte 448
//   instrument number, family 7                 first "HPF" record, 32 characters at byte 448
//   instrument number, family 8                 hardware record "HW-001", field 20
//   full model name, family 8                   hardware record "HW-001", field 2
//   instrument number, family 9                 first "HPF" record, up to 39 big-endian UTF-16
//                                               units at byte 432 (NUL-terminated when shorter)
//   long model name, family 3                   system record "HS", field 30
//   time per division, family 4                 old header, 12 characters at byte 55
//                                               ("5ms/DIV", "EXT")
//
// The binary records keep their unit settings below byte 272, so the texts
// sit at the end of the record.

#include <cstddef>

namespace kp::modelplaces {

inline constexpr std::size_t kNumberOffset = 448;
inline constexpr std::size_t kNumberLength4267 = 16;
inline constexpr std::size_t kNumberLengthBinary = 32;
inline constexpr int kHardwareNumberField = 20;
inline constexpr int kHardwareNameField = 2;
inline constexpr std::size_t kFamily9NumberOffset = 432;
inline constexpr std::size_t kFamily9NumberUnits = 39;
inline constexpr int kFamily3LongNameField = 30;
inline constexpr std::size_t kOldTimePerDiv = 55;
inline constexpr std::size_t kOldTimePerDivLength = 12;
inline constexpr std::size_t kOldPointsPerDiv = 67;
inline constexpr std::size_t kOldPointsPerDivLength = 8;
inline constexpr std::size_t kOldFunction = 17;
inline constexpr std::size_t kOldShot = 75;
inline constexpr std::size_t kOldShotLength = 8;

} // namespace kp::modelplaces
