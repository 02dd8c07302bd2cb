#include "view/RemarkRows.h"

#include "export/ExportTexts.h"
#include "format/NumberWriter.h"
#include "format/TextTrim.h"
#include "wavefile/CWaveHeadInfo.h"

#include <algorithm>
#include <cmath>

namespace kp {

namespace {

constexpr const char* kNone = "-";

enum Column { Ch, Unit, Mode, Range, Filter, Posn, Zoom, Comment, Scaling, Ratio, Offset };

std::string NameWithUnit(const std::string& name, const std::string& unit)
{
    return name + "[" + TrimBoth(unit) + "]";
}

RemarkRow RowFor(const CWaveHeadInfo& head, const RemarkChannel& c)
{
    RemarkRow row;
    row.itemData = RemarkItemData(c.kind, c.index);
    row.cells.fill(kNone);
    auto& cell = row.cells;
    switch (c.kind) {
    case RemarkClass::Analog:
        cell[Ch] = NameWithUnit(head.GetChannelName(c.index, 0), head.GetUnitText(c.index));
        cell[Unit] = head.GetUnitText(c.index);
        cell[Mode] = head.GetModeText(c.index);
        cell[Range] = head.GetRangeText(c.index);
        cell[Filter] = head.GetTriggerFilter(c.index);
        cell[Comment] = AnalogComment(head, c.index);
        cell[Scaling] = head.GetScalingText(c.index);
        cell[Ratio] = ScalingRatioText(head, c.index);
        cell[Offset] = ScalingOffsetText(head, c.index);
        break;
    case RemarkClass::Pulse:
        cell[Ch] = NameWithUnit(head.GetPulseChannelName(c.index), head.GetPulseUnitText(c.index));
        cell[Unit] = head.GetPulseUnitText(c.index);
        cell[Comment] = PulseComment(head, c.index);
        break;
    case RemarkClass::Calc:
        cell[Ch] = NameWithUnit(head.GetFloatChannelName(c.index), FloatUnitText(head, c.index));
        cell[Unit] = FloatUnitText(head, c.index);
        cell[Comment] = FloatComment(head, c.index);
        break;
    case RemarkClass::LogicUnit:
        cell[Ch] = c.name;
        cell[Unit] = "---------";
        cell[Comment] = LogicUnitComment(head, c.index);
        break;
    }
    return row;
}

void Follow(RemarkRow& row, const RemarkChannel& c)
{
    row.checked = c.shown;
    if (c.kind == RemarkClass::LogicUnit)
        return;
    row.cells[Posn] = RemarkPositionText(c.position);
    row.cells[Zoom] = RemarkZoomText(c.zoom);
}

} // namespace

const std::array<const char*, kRemarkColumns>& RemarkHeadings()
{
    static const std::array<const char*, kRemarkColumns> headings { "CH", "Unit", "Mode", "Range", "Filter", "Posn",
        "Zoom", "Comment", "Scaling", "Ratio", "Offset" };
    return headings;
}

std::int64_t RemarkItemData(RemarkClass kind, int index)
{
    return static_cast<std::int64_t>(kind) * 65536 + index;
}

std::string RemarkPositionText(double position)
{
    const double percent = 50.0 + 50.0 * position;
    const double limited = std::isfinite(percent) ? std::clamp(percent, -1e9, 1e9) : 0.0;
    return std::to_string(static_cast<long long>(std::lround(limited))) + "%";
}

std::string RemarkZoomText(double zoom)
{
    return FormatFixed(zoom, 2);
}

std::vector<RemarkRow> BuildRemarkRows(const CWaveHeadInfo& head, const std::vector<RemarkChannel>& channels)
{
    std::vector<RemarkRow> rows;
    rows.reserve(channels.size());
    for (const RemarkChannel& c : channels) {
        rows.push_back(RowFor(head, c));
        Follow(rows.back(), c);
    }
    return rows;
}

void UpdateRemarkRows(std::vector<RemarkRow>& rows, const std::vector<RemarkChannel>& channels)
{
    for (const RemarkChannel& c : channels) {
        const std::int64_t data = RemarkItemData(c.kind, c.index);
        for (RemarkRow& row : rows) {
            if (row.itemData == data)
                Follow(row, c);
        }
    }
}

} // namespace kp
