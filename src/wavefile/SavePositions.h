#pragma once
// Save position records of the channel-block family (model 3384): where each
// channel's block lies in the file and how many points it holds.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kp {

class CWaveHeadInfo;

// One entry: four 12-byte text fields starting at byte 12 + 48 * entry.
struct SavePosition {
    int number = 0;              // 1-based channel or unit number
    std::int64_t dataCount = 0;  // points of the channel
    std::int64_t position = 0;   // block start in 512-byte units from the start of the file
    std::int64_t interval = 0;   // save interval (not used for reading)

    std::uint64_t ByteOffset() const { return static_cast<std::uint64_t>(position) * 512u; }
};

inline constexpr int kSavePositionsPerRecord = 8;
inline constexpr std::size_t kSavePositionEntrySize = 48;
inline constexpr std::size_t kSavePositionFirstEntry = 12;

// The entries of every record with this tag ("HBA", "HBP", "HBL"), in file
// order; entries with number 0 are unused and left out.
std::vector<SavePosition> SavePositionEntries(const CWaveHeadInfo& head, const std::string& tag);

// The analog list's entry for a 0-based position ("HBA", then "HBP").
std::optional<SavePosition> AnalogSavePosition(const CWaveHeadInfo& head, int position);
// The logic list's entry for a 0-based unit ("HBL").
std::optional<SavePosition> LogicSavePosition(const CWaveHeadInfo& head, int unit);

} // namespace kp
