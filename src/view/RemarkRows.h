#pragma once
// The rows of the remark list: one per recorded channel (analog, pulse,
// calculation, then logic units), the channel's header texts in eleven
// columns, and its current position and zoom.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kp {

class CWaveHeadInfo;

enum class RemarkClass { Analog, Pulse, Calc, LogicUnit };

inline constexpr int kRemarkColumns = 11;
// The headings, in column order.
const std::array<const char*, kRemarkColumns>& RemarkHeadings();

// A recorded channel as the view holds it. For a logic unit, shown is true
// when all its recorded probes are shown; position and zoom do not apply.
struct RemarkChannel {
    RemarkClass kind = RemarkClass::Analog;
    int index = 0; // channel number within its class; logic: the unit
    std::string name; // logic units: the unit's name as the view draws it
    bool shown = true;
    double zoom = 1.0;
    double position = 0.0; // half wave-area heights
};

struct RemarkRow {
    std::int64_t itemData = 0; // analog: channel; pulse: +65536; calc: +131072; logic unit: +196608
    bool checked = false;
    std::array<std::string, kRemarkColumns> cells;
    bool operator==(const RemarkRow&) const = default;
};

// Column indices of the cells that follow the view.
inline constexpr int kRemarkPosnColumn = 5;
inline constexpr int kRemarkZoomColumn = 6;

std::int64_t RemarkItemData(RemarkClass kind, int index);

// "%d%%" of the zero line's height in percent of the wave area (50% is the
// centre line), and "%.2f" of the zoom.
std::string RemarkPositionText(double position);
std::string RemarkZoomText(double zoom);

// Mode 0: every row from the header.
std::vector<RemarkRow> BuildRemarkRows(const CWaveHeadInfo& head, const std::vector<RemarkChannel>& channels);
// Mode 1: only the check boxes and the "Posn" and "Zoom" cells, for rows
// that match the channels by item data.
void UpdateRemarkRows(std::vector<RemarkRow>& rows, const std::vector<RemarkChannel>& channels);

} // namespace kp
