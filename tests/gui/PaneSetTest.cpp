// The panes around the view follow the record and its channels; the colour
// schemes reach every pane; the control panel edits the view's channels.
#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "display/ControlPanelHost.h"
#include "display/FrameClient.h"
#include "display/LookCommands.h"
#include "display/PaneSet.h"
#include "display/RemarkList.h"
#include "display/RemarkListModel.h"
#include "display/ViewContextMenu.h"
#include "display/WaveControlPanel.h"
#include "display/WaveGauge.h"
#include "display/WaveTitleStrip.h"
#include "export/ExportTexts.h"
#include "view/ColourScheme.h"
#include "wavefile/CKpDoc.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSlider>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ScratchFolder;
using test::WriteDemo;

struct LoadedFrame : ::testing::Test {
    ScratchFolder dir;
    FrameHarness h;
    void SetUp() override
    {
        h.frame->Layout().gageLeft = h.frame->Layout().title = h.frame->Layout().remark = true;
        h.Show();
        ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "DEMO.MEM"))));
        QApplication::processEvents();
    }
    CMainFrame& frame() { return *h.frame; }
    PaneSet& panes() { return frame().PaneWindows(); }
    RemarkListModel& remarks() { return panes().Remarks().Model(); }
};

TEST_F(LoadedFrame, TitleAndRemarkRowsDescribeTheRecord)
{
    EXPECT_EQ(panes().Title().Text().toStdString(), RecordTitle(frame().Document().GetHeadInfo()));
    // Eight analog channels and four logic units.
    ASSERT_EQ(remarks().rowCount(), 12);
    EXPECT_EQ(remarks().Rows().back().itemData, 3 * 65536 + 3);
    for (const RemarkRow& row : remarks().Rows())
        EXPECT_TRUE(row.checked) << row.cells[0];
}

TEST_F(LoadedFrame, RemarkChecksAndViewVisibilityFollowEachOther)
{
    CKpView& view = frame().View();
    view.ToggleAnalogChannel(1);
    EXPECT_FALSE(remarks().Rows()[1].checked);
    remarks().setData(remarks().index(1, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(view.Channels().analog.shown[1]);
    EXPECT_TRUE(remarks().Rows()[1].checked);
    // A logic unit's box hides and shows its four probes.
    remarks().setData(remarks().index(8, 0), Qt::Unchecked, Qt::CheckStateRole);
    for (int probe = 0; probe < 4; ++probe)
        EXPECT_FALSE(view.Channels().logic.shown[static_cast<std::size_t>(probe)]);
    EXPECT_FALSE(remarks().Rows()[8].checked);
}

TEST_F(LoadedFrame, GaugeTakesTheFirstShownChannelsAndLinesUpWithTheWaveArea)
{
    WaveGauge& gauge = panes().Gauge();
    const WaveGauge::Content& c = gauge.GetContent();
    ASSERT_TRUE(c.loaded);
    ASSERT_EQ(c.columns.size(), 4u);
    frame().View().ToggleAnalogChannel(0);
    EXPECT_EQ(gauge.GetContent().columns.front().name.rfind(frame().View().GetRecord()->analog[1].name, 0), 0u);
    const QPoint waveTop
        = frame().View().viewport()->mapTo(&frame().Client(), QPoint(0, frame().View().WaveArea().top()));
    EXPECT_EQ(c.top, waveTop.y() - gauge.y());
    // The count stays within 1 .. 64.
    for (int i = 0; i < 70; ++i)
        panes().StepGaugeCount(1);
    EXPECT_EQ(frame().Layout().gageLeftNum, 64);
    EXPECT_EQ(gauge.GetContent().columns.size(), 7u); // no more columns than shown channels
}

TEST_F(LoadedFrame, SchemesRecolourEveryPaneFromSectionScheme)
{
    h.store.writeText("Scheme", "TitleBackColor1", "1 2 3");
    frame().Look().ApplyScheme(1);
    const SchemeColours black = ReadScheme(h.store, SchemeId::BlackBackground);
    EXPECT_EQ(h.settings.title.back, (RgbColour { 1, 2, 3 }));
    EXPECT_EQ(h.settings.waveBackColor, black.waveBack);
    const QImage gauge = panes().Gauge().grab().toImage();
    EXPECT_EQ(QColor(gauge.pixel(1, 1)), QColor(0, 0, 0));
    const QImage view = frame().View().viewport()->grab().toImage();
    EXPECT_EQ(QColor(view.pixel(5, 5)), QColor(0, 0, 0));
    frame().Look().ApplyScheme(2);
    EXPECT_EQ(h.settings.waveBackColor, (RgbColour { 255, 255, 255 }));
    frame().Look().ApplyScheme(3); // a placeholder scheme changes nothing
    EXPECT_EQ(h.settings.waveBackColor, (RgbColour { 255, 255, 255 }));
}

TEST_F(LoadedFrame, ControlPanelSetsZoomAndPositionOfTheSelectedChannels)
{
    ControlPanelHost& host = frame().ControlPanel();
    host.SetShown(true);
    WaveControlPanel& panel = host.Panel();
    ASSERT_EQ(panel.TabClasses(), (std::vector<int> { 0, 2 })); // analog and logic; no pulse, no calc
    panel.List().clearSelection();
    panel.List().item(2)->setSelected(true);
    panel.ZoomSlider().setValue(9991);
    panel.PositionSlider().setValue(1000);
    const ChannelClassState& analog = frame().View().Channels().analog;
    EXPECT_DOUBLE_EQ(analog.zoom[2], 0.10);
    EXPECT_DOUBLE_EQ(analog.position[2], 0.0);
    EXPECT_EQ(panel.PositionLabel().text(), "50%");
    EXPECT_EQ(remarks().Rows()[2].cells[kRemarkZoomColumn], "0.10");
    EXPECT_EQ(remarks().Rows()[2].cells[kRemarkPosnColumn], "50%");
    // Hiding from the panel unticks the remark row and the list's box.
    panel.ShowSelected(false);
    EXPECT_FALSE(analog.shown[2]);
    EXPECT_FALSE(remarks().Rows()[2].checked);
    EXPECT_EQ(panel.List().item(2)->checkState(), Qt::Unchecked);
    panel.DefaultSelected();
    EXPECT_DOUBLE_EQ(analog.zoom[2], frame().View().GetRecord()->analog[2].header.zoom);
}

TEST_F(LoadedFrame, ControlPanelVisibilityIsStoredWhenTheFrameCloses)
{
    frame().ControlPanel().SetShown(true);
    h.CloseAndDestroy();
    EXPECT_EQ(h.store.readInt("Wave", "ShowControlPanel", -1), 1);
    EXPECT_NE(h.store.readText("ControlPanel", "Placement", ""), "");
}

TEST(ViewContextMenu, NoWaveUntilARecordIsLoadedAndTheSchemesBehindCtrlShift)
{
    FrameHarness h;
    ViewContextMenu* menus = h.frame->findChild<ViewContextMenu*>();
    ASSERT_NE(menus, nullptr);
    EXPECT_EQ(menus->KindFor(Qt::NoModifier), ViewMenuKind::NoWave);
    EXPECT_EQ(menus->KindFor(Qt::ControlModifier | Qt::ShiftModifier), ViewMenuKind::Secret);
    EXPECT_EQ(menus->KindFor(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier), ViewMenuKind::NoWave);
    QMenu secret;
    menus->Fill(secret, ViewMenuKind::Secret);
    EXPECT_EQ(secret.actions().front(), h.frame->Look().blackBackground());
    ScratchFolder dir;
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "DEMO.MEM"))));
    EXPECT_EQ(menus->KindFor(Qt::NoModifier), ViewMenuKind::Normal);
}

} // namespace
} // namespace kp
