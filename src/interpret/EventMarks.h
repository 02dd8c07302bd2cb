#pragma once
// The event marks an instrument recorded during a record: up to 10000 point
// positions (64-bit, counted from the record's first point). The view marks
// and jumps to them, the properties window lists them.
//
// Where a family keeps them (the header layouts name the records and chunks
// but not their inside; Kp and its recording writer use these places):
// - families 0-3, 6 and 7: the event mark records "HPE" in slot order (slot
//   by byte 8: "1"-"9", "A"-"Z"), then the "HE3019" records in file order;
// - family 8: the "HE-QX3013" records in file order;
// - family 5: the "LX__EVNT" sub-chunk (index byte 0, sub-kind 0) of the
//   information chunks (byte places in wavefile/ChunkFormat.h);
// - families 4 and 9 carry no event marks.
// A text event record holds its number of marks in field 1 (0-40) and the
// positions as decimal point numbers in fields 2-41, one per field.

#include <cstdint>
#include <vector>

namespace kp {

class CWaveHeadInfo;

namespace eventmark {
inline constexpr int kMaxEvents = 10000;
inline constexpr int kCountField = 1;
inline constexpr int kFirstPositionField = 2;
inline constexpr int kPositionsPerRecord = 40;
inline constexpr std::size_t kSlotByte = 8; // "HPE" records: which slot
} // namespace eventmark

struct EventMarkList {
    // One entry per recorded mark, in recorded order (at most kMaxEvents).
    std::vector<std::int64_t> positions;

    int Count() const { return static_cast<int>(positions.size()); }
    // The position of mark i; -1 for a slot past the count.
    std::int64_t At(int i) const { return i >= 0 && i < Count() ? positions[static_cast<std::size_t>(i)] : -1; }
};

// Never fails: a chunk that holds fewer positions than its count gives what
// it holds; a record's count is cut at its 40 fields; an empty position field
// reads as -1 (no position), a text that is not a number as 0.
EventMarkList ReadEventMarks(const CWaveHeadInfo& head);

} // namespace kp
