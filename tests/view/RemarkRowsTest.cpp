// Remark list rows: header texts per recorded channel, and the cells that follow the view.
#include <gtest/gtest.h>

#include "export/ExportTexts.h"
#include "support/HeadBuilder.h"
#include "view/RemarkRows.h"

namespace kp {
namespace {

using test::HeadBuilder;

TEST(RemarkRows, OneRowPerRecordedChannelWithItsHeaderTexts)
{
    const CWaveHeadInfo head = HeadBuilder(1)
                                   .Channel(2, { { 4, "500mV" }, { 16, "VOLT" }, { 22, "mV" }, { 30, "Inlet" } })
                                   .Pulse(0, { { 30, "Shaft" } })
                                   .Load();
    const std::vector<RemarkChannel> channels { { RemarkClass::Analog, 2, "", false, 0.5, 0.5 },
        { RemarkClass::Pulse, 0, "", true, 2.0, -1.0 }, { RemarkClass::LogicUnit, 1, "LB", true, 1.0, 0.0 } };
    const std::vector<RemarkRow> rows = BuildRemarkRows(head, channels);
    ASSERT_EQ(rows.size(), 3u);

    const RemarkRow& a = rows[0];
    EXPECT_EQ(a.itemData, 2);
    EXPECT_FALSE(a.checked);
    EXPECT_EQ(a.cells[0], head.GetChannelName(2, 0) + "[mV]");
    EXPECT_EQ(a.cells[1], head.GetUnitText(2));
    EXPECT_EQ(a.cells[2], "VOLT");
    EXPECT_EQ(a.cells[3], "500mV");
    EXPECT_EQ(a.cells[kRemarkPosnColumn], "75%");
    EXPECT_EQ(a.cells[kRemarkZoomColumn], "0.50");
    EXPECT_EQ(a.cells[7], "Inlet");

    const RemarkRow& p = rows[1];
    EXPECT_EQ(p.itemData, 65536);
    EXPECT_EQ(p.cells[2], "-"); // no mode for a pulse channel
    EXPECT_EQ(p.cells[kRemarkPosnColumn], "0%");
    EXPECT_EQ(p.cells[kRemarkZoomColumn], "2.00");
    EXPECT_EQ(p.cells[7], PulseComment(head, 0));

    const RemarkRow& l = rows[2];
    EXPECT_EQ(l.itemData, 3 * 65536 + 1);
    EXPECT_EQ(l.cells[0], "LB");
    EXPECT_EQ(l.cells[kRemarkPosnColumn], "-");
}

TEST(RemarkRows, UpdateRewritesOnlyChecksPositionAndZoom)
{
    const CWaveHeadInfo head = HeadBuilder(1).Channel(0, { { 30, "Inlet" } }).Channel(1, {}).Load();
    std::vector<RemarkChannel> channels { { RemarkClass::Analog, 0, "", true, 1.0, 0.0 },
        { RemarkClass::Analog, 1, "", true, 1.0, 0.0 } };
    std::vector<RemarkRow> rows = BuildRemarkRows(head, channels);
    std::vector<RemarkRow> expected = rows;
    channels[1] = { RemarkClass::Analog, 1, "", false, 12.345, -0.3 };
    UpdateRemarkRows(rows, { channels[1] });
    expected[1].checked = false;
    expected[1].cells[kRemarkPosnColumn] = "35%";
    expected[1].cells[kRemarkZoomColumn] = "12.35";
    EXPECT_EQ(rows, expected);
    // The full build agrees with the update.
    EXPECT_EQ(BuildRemarkRows(head, channels), rows);
}

TEST(RemarkRows, PositionTextIsTheZeroLineInPercentOfTheHeight)
{
    const std::pair<double, const char*> cases[]
        = { { 0.0, "50%" }, { 1.0, "100%" }, { -1.0, "0%" }, { 20.0, "1050%" }, { -0.02, "49%" } };
    for (const auto& [position, text] : cases)
        EXPECT_EQ(RemarkPositionText(position), text) << position;
}

} // namespace
} // namespace kp
