#pragma once
// The channel map of the fixed-frame recorders (header families 8 and 9).
// Every sample point is one frame of a fixed size; text entries kept in the
// wave header 2 records say which channel's value lies at which byte of the
// frame. This file turns those texts into typed entries; the frame decoder
// and the saved-channel rules both read the map through it.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "wavefile/HeaderRecord.h"

namespace kp {

class CWaveHeadInfo;

// Family 8 keeps 30 entries per wave header 2 record (fields 2-31), family 9
// keeps 40 (fields 2-41).
inline constexpr int kFamily8MapEntriesPerRecord = 30;
inline constexpr int kFamily8MapEntries = 120;
inline constexpr int kFamily9MapEntriesPerRecord = 40;
inline constexpr int kFamily9MapEntries = 320;
inline constexpr int kMapFirstField = 2;

// Frame size field of the wave header 1 record.
inline constexpr int kFamily8FrameSizeField = 8;
inline constexpr int kFamily9FrameSizeField = 4;

// Frames larger than this are refused: the recorders keep a frame within a
// small buffer, and a bigger number is a damaged header, not a frame.
inline constexpr std::int64_t kMaxFrameBytes = 1 << 20;

// Family 8 slot ranges of its built-in 32-bit quantities.
inline constexpr int kFamily8AnalogSlots = 60; // 4 units x 15 channels
inline constexpr int kFamily8GpsFirstSlot = 240; // "G" entries 0-5
inline constexpr int kFamily8GpsSplitFirstSlot = 246; // entry 6: 246-248, entry 7: 249-252
inline constexpr int kFamily8GpsSplitSlots = 7;
inline constexpr int kFamily8WaveCalcFirstSlot = 256; // "R", "W": 256-263
inline constexpr int kFamily8PulseChannels = 2;
inline constexpr int kFamily8FloatChannels = 8;

// Family 9 slot ranges.
inline constexpr int kFamily9AnalogSlots = 256;

// The split GPS quantities (slots 246-252) take (value AND mask) >> shift from
// the 32-bit value of their "G" entry. The GPS header "HQ" carries the mask of
// slot 246 + k as hexadecimal text in field 2 + 2k and its right shift as
// decimal text in field 3 + 2k. A missing header or an empty mask field keeps
// the whole value (mask FFFFFFFF, shift 0), so nothing recorded is lost.
inline constexpr int kGpsSplitMaskField = 2;

struct GpsSplit {
    std::uint32_t mask = 0xFFFFFFFFu;
    int shift = 0;
};

// Mask and shift of a split GPS slot (246-252). Shifts outside 0-31 read as 0.
GpsSplit GpsSplitOf(const CWaveHeadInfo& head, int slot);
// The same rule over the record itself (nullptr: no GPS header).
GpsSplit GpsSplitOf(const HeaderRecord* gpsHeader, int slot);

// Where one frame value goes.
enum class FrameValueKind : std::uint8_t {
    Analog16, // AnalogTable slot
    LogicWord32, // LogicTable slot
    LogicHalf16, // classic logic word: nibble-reversed into half of a LogicGroups word
    Pulse16, // PulseTable slot
    Float32, // FloatTable slot
    GpsSplit32, // family 8 "G" entry 6 or 7: one value split over several LogicTable slots
};

struct FrameEntry {
    int index = 0; // entry number in the map
    char letter = 0; // kind letter as stored
    FrameValueKind kind = FrameValueKind::Analog16;
    // Table slot. LogicHalf16: the half number h (group h / 2, low half for even
    // h, high half for odd h; it carries classic units 4h .. 4h + 3).
    // GpsSplit32: the first of slotCount LogicTable slots.
    int slot = 0;
    int slotCount = 1;
    std::uint32_t offset = 0; // byte offset of the value in the frame
    int size = 2; // bytes of one value; a pair's second value follows at offset + size

    bool operator==(const FrameEntry&) const = default;
};

// One entry text; nullopt for an unused, malformed or out-of-range entry.
std::optional<FrameEntry> ParseFamily8MapEntry(std::string_view text, int index);
std::optional<FrameEntry> ParseFamily9MapEntry(std::string_view text, int index);

// The text of map entry `index`: empty when its record is missing.
std::string MapEntryText(const CWaveHeadInfo& head, int index);

// Every usable entry of the file's map in entry order (families 8 and 9;
// empty for the other families).
std::vector<FrameEntry> ReadChannelMap(const CWaveHeadInfo& head);

// The frame size in bytes from wave header 1 (0 when the record is missing
// or the family keeps no frames).
std::int64_t ReadFrameSize(const CWaveHeadInfo& head);

} // namespace kp
