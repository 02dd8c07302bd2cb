#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "ViewFixtures.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace kp {
namespace {

using test::MakeRecord;
using test::RecordData;
using test::ViewHarness;

// 1,000,000 points, ModelId 1: family 2, highest index 7 (1:50).
struct LoadedView : ::testing::Test {
    ViewHarness h;
    RecordData data;
    void SetUp() override { h.view->SetRecord(MakeRecord(data, 1'000'000)); }
    CKpView& view() { return *h.view; }
    QWidget* port() { return h.view->viewport(); }
};

void Wheel(QWidget* target, int delta, Qt::KeyboardModifiers mods)
{
    QWheelEvent e(QPointF(100, 100), target->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta), Qt::NoButton,
        mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

TEST_F(LoadedView, LoadFitsTheRecordAndPlacesTheCursorsAtItsEnds)
{
    EXPECT_TRUE(view().IsLoaded());
    EXPECT_EQ(view().GetHighestIndex(), 7);
    // The largest magnification at which 1,000,000 points still fit.
    const std::int64_t ppc = view().PointsPerColumn();
    EXPECT_LE(1'000'000 / ppc, h.ViewportWidth() - 100);
    EXPECT_GT(1'000'000 / (ppc / 2), h.ViewportWidth() - 100);
    EXPECT_EQ(view().GetCursorA(), 0);
    EXPECT_EQ(view().GetCursorB(), 999'999);
}

TEST_F(LoadedView, ZoomStopsAtBothEnds)
{
    view().SetMagnificationIndex(0);
    EXPECT_FALSE(view().CanZoomOut());
    view().ZoomOut();
    EXPECT_EQ(view().GetMagnificationIndex(), 0);
    view().SetMagnificationIndex(99);
    EXPECT_EQ(view().GetMagnificationIndex(), 7);
    EXPECT_FALSE(view().CanZoomIn());
    view().ZoomIn();
    EXPECT_EQ(view().GetMagnificationIndex(), 7);
    // The scroll range follows the wave area: 20,000 columns plus margins.
    EXPECT_EQ(view().horizontalScrollBar()->maximum(), 20'000 + 100 - h.ViewportWidth());
}

TEST_F(LoadedView, CtrlWheelZoomsButNotWithShiftPlainWheelScrolls)
{
    view().SetMagnificationIndex(3);
    Wheel(port(), 120, Qt::ControlModifier);
    EXPECT_EQ(view().GetMagnificationIndex(), 4);
    Wheel(port(), -120, Qt::ControlModifier);
    EXPECT_EQ(view().GetMagnificationIndex(), 3);
    Wheel(port(), 120, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view().GetMagnificationIndex(), 3);
    view().SetMagnificationIndex(7);
    EXPECT_EQ(view().ScrollX(), 0);
    Wheel(port(), -120, Qt::NoModifier);
    EXPECT_GT(view().ScrollX(), 0);
    EXPECT_EQ(view().GetMagnificationIndex(), 7);
}

TEST_F(LoadedView, CtrlAloneZoomsOneStepPer120UnitsOfAngle)
{
    view().SetMagnificationIndex(3);
    const Qt::KeyboardModifiers notAlone[]
        = { Qt::ControlModifier | Qt::AltModifier, Qt::ControlModifier | Qt::MetaModifier };
    for (const Qt::KeyboardModifiers mods : notAlone)
        Wheel(port(), 120, mods);
    EXPECT_EQ(view().GetMagnificationIndex(), 3);
    Wheel(port(), 40, Qt::ControlModifier);
    Wheel(port(), 40, Qt::ControlModifier);
    EXPECT_EQ(view().GetMagnificationIndex(), 3);
    Wheel(port(), 40, Qt::ControlModifier);
    EXPECT_EQ(view().GetMagnificationIndex(), 4);
    Wheel(port(), -240, Qt::ControlModifier);
    EXPECT_EQ(view().GetMagnificationIndex(), 2);

    // Three thirds of a notch scroll as far as one notch.
    view().SetMagnificationIndex(7);
    for (int i = 0; i < 3; ++i)
        Wheel(port(), -40, Qt::NoModifier);
    const int thirds = view().ScrollX();
    view().horizontalScrollBar()->setValue(0);
    Wheel(port(), -120, Qt::NoModifier);
    EXPECT_EQ(thirds, view().ScrollX());
    EXPECT_GT(thirds, 0);
}

TEST_F(LoadedView, KeysPageAndJumpToTheEnds)
{
    view().SetMagnificationIndex(7);
    QScrollBar* bar = view().horizontalScrollBar();
    QTest::keyClick(&view(), Qt::Key_PageDown);
    EXPECT_EQ(view().ScrollX(), bar->pageStep());
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(view().ScrollX(), bar->pageStep() + bar->pageStep() / 3);
    QTest::keyClick(&view(), Qt::Key_End);
    EXPECT_EQ(view().ScrollX(), bar->maximum());
    QTest::keyClick(&view(), Qt::Key_PageUp);
    EXPECT_EQ(view().ScrollX(), bar->maximum() - bar->pageStep());
    QTest::keyClick(&view(), Qt::Key_Home);
    EXPECT_EQ(view().ScrollX(), 0);
    QTest::keyClick(&view(), Qt::Key_Down);
    EXPECT_EQ(view().ScrollX(), 0);
}

TEST_F(LoadedView, ShiftClickReleasesCursorAOnTheFirstPointOfItsColumn)
{
    view().SetMagnificationIndex(5); // 1:200
    ASSERT_EQ(view().PointsPerColumn(), 200);
    QTest::mousePress(port(), Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 100));
    EXPECT_EQ(view().DraggedCursor(), CursorId::A);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 100));
    EXPECT_EQ(view().DraggedCursor(), CursorId::None);
    EXPECT_EQ(view().GetCursorA(), 20'000);
}

TEST_F(LoadedView, DraggingBLeftOfASwapsThem)
{
    view().SetMagnificationIndex(5);
    view().SetCursors(20'000, 999'999);
    QTest::mousePress(port(), Qt::LeftButton, Qt::ControlModifier, QPoint(300, 100));
    ASSERT_EQ(view().DraggedCursor(), CursorId::B);
    QTest::mouseMove(port(), QPoint(200, 100));
    EXPECT_EQ(view().DragLineX(), 200);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, 100));
    EXPECT_EQ(view().GetCursorA(), 10'000);
    EXPECT_EQ(view().GetCursorB(), 20'000);
}

TEST_F(LoadedView, CursorMarksArePickedUpWithinFivePixels)
{
    view().SetMagnificationIndex(5);
    view().SetCursors(20'000, 999'999); // mark of A at x 150
    QTest::mousePress(port(), Qt::LeftButton, Qt::NoModifier, QPoint(155, 20));
    EXPECT_EQ(view().DraggedCursor(), CursorId::A);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::NoModifier, QPoint(155, 20));
    EXPECT_EQ(view().GetCursorA(), 21'000);

    view().SetCursors(20'000, 999'999);
    QTest::mousePress(port(), Qt::LeftButton, Qt::NoModifier, QPoint(156, 20));
    EXPECT_EQ(view().DraggedCursor(), CursorId::None);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::NoModifier, QPoint(156, 20));
    QTest::mousePress(port(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 28)); // below the mark's rows
    EXPECT_EQ(view().DraggedCursor(), CursorId::None);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 28));

    // Hidden marks can still be picked up where they would stand.
    h.settings.drawSaveMark = false;
    QTest::mousePress(port(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 25));
    EXPECT_EQ(view().DraggedCursor(), CursorId::A);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 25));
    EXPECT_FALSE(view().CanJumpToCursors());
}

TEST_F(LoadedView, ReleaseOutsideTheWaveAreaClampsToTheRecord)
{
    view().SetMagnificationIndex(0); // 100 columns: the record ends at x 150
    QTest::mousePress(port(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
    QTest::mouseMove(port(), QPoint(400, 100));
    EXPECT_EQ(view().DragLineX(), 150); // the line stops at the wave area's edge
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::ShiftModifier, QPoint(400, 100));
    EXPECT_EQ(view().GetCursorA(), 999'999);
    EXPECT_EQ(view().GetCursorB(), 999'999);
    QTest::mousePress(port(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, 100));
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::ControlModifier, QPoint(10, 100));
    EXPECT_EQ(view().GetCursorA(), 0);
    EXPECT_EQ(view().GetCursorB(), 999'999);
}

TEST_F(LoadedView, DraggingPastTheRightEdgeScrolls200Pixels)
{
    view().SetMagnificationIndex(7);
    QTest::mousePress(port(), Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 100));
    QTest::mouseMove(port(), QPoint(h.ViewportWidth() + 5, 100));
    EXPECT_EQ(view().ScrollX(), 200);
    EXPECT_EQ(view().DragLineX(), h.ViewportWidth() - 1);
    QTest::mouseRelease(port(), Qt::LeftButton, Qt::ShiftModifier, QPoint(h.ViewportWidth() - 1, 100));
    EXPECT_EQ(view().GetCursorA(), (h.ViewportWidth() - 1 + 200 - 50) * 50);
}

TEST_F(LoadedView, TheMarkStripFollowsTheCursors)
{
    view().SetMagnificationIndex(5); // 1:200
    view().SetCursors(20'000, 60'000);
    QApplication::processEvents();
    QImage image = port()->grab().toImage();
    const QColor blue(0, 0, 255), red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(150, 25), blue); // A at x 150
    EXPECT_EQ(image.pixelColor(350, 25), red); // B at x 350
    view().SetCursors(40'000, 60'000);
    QApplication::processEvents();
    image = port()->grab().toImage();
    EXPECT_NE(image.pixelColor(150, 25), blue);
    EXPECT_EQ(image.pixelColor(250, 25), blue);
    // Hidden cursor marks leave the strip empty.
    h.settings.drawSaveMark = false;
    view().RedrawMarkStrip();
    QApplication::processEvents();
    image = port()->grab().toImage();
    EXPECT_NE(image.pixelColor(250, 25), blue);
}

TEST_F(LoadedView, JumpsScrollThePositionToTheWaveAreaEdge)
{
    view().SetMagnificationIndex(7); // 1:50, 20,000 columns
    view().SetCursors(100'000, 500'000);
    view().JumpToCursorB();
    EXPECT_EQ(view().ScrollX(), 10'000);
    view().JumpToCursorA();
    EXPECT_EQ(view().ScrollX(), 2'000);
    view().JumpTo(-5);
    EXPECT_EQ(view().ScrollX(), 2'000);
    EXPECT_FALSE(view().CanJumpToTrigger()); // the record has no trigger
    view().SetMagnificationIndex(0); // fits: jumps only redraw
    view().JumpToCursorB();
    EXPECT_EQ(view().ScrollX(), 0);
}

TEST(CKpViewLabels, TheLabelUnderTheTriggerReadsZeroDiv)
{
    ViewHarness h;
    RecordData data;
    auto record = MakeRecord(data, 100'000);
    record->hasTrigger = true;
    record->trigger = 12'345; // not a multiple of D1 x ppc
    h.view->SetRecord(std::move(record));
    h.settings.waveTimeNotation = static_cast<int>(AxisNotation::Div);
    h.view->SetMagnificationIndex(5); // 1:200
    const QRect all(0, 0, h.ViewportWidth(), h.view->viewport()->height());
    const PaintParams p = h.view->BuildPaintParams(all);
    const int triggerX = MarkX(12'345, 200);
    bool found = false;
    for (const AxisLabel& label : TimeLabelPositions(p)) {
        if (label.j == 0) {
            found = true;
            EXPECT_EQ(label.x, triggerX);
            EXPECT_EQ(h.view->LabelText(label.j), "0DIV");
        }
    }
    EXPECT_TRUE(found);
    // The label's pixels stand centred under the trigger mark.
    const QImage image = h.view->viewport()->grab().toImage();
    int lo = 1 << 30, hi = -1;
    for (int y = p.waveBottom() + 3; y < image.height(); ++y) {
        for (int x = triggerX - 30; x <= triggerX + 30; ++x) {
            if (image.pixelColor(x, y) == QColor(255, 255, 0)) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
        }
    }
    ASSERT_GT(hi, lo);
    EXPECT_NEAR((lo + hi) / 2.0, triggerX, 2.5);
    EXPECT_EQ(image.pixelColor(triggerX - 4, 25), QColor(255, 255, 0)); // trigger flag
}

TEST(CKpViewMarks, FlagsCarryACutOutTAndTrianglesPointDown)
{
    test::TraceStore store;
    PaintParams p = test::BasicParams(400, 300, 1000, 10);
    p.marks.drawTrigger = true;
    p.marks.drawCursors = true;
    p.marks.hasTrigger = true;
    p.marks.trigger = 500; // x 100
    p.marks.cursorA = 1500; // x 200
    p.marks.cursorB = 2000; // x 250
    p.marks.events = { 100, 1000 }; // the second lies at N: not drawn
    p.marks.currentEvent = 0;
    const QImage image = test::Render(p);
    const QColor yellow(255, 255, 0), blue(0, 0, 255), black(0, 0, 0), magenta(255, 0, 255);
    // Flag: rows 16 .. 27, columns 95 .. 105.
    EXPECT_EQ(image.pixelColor(95, 27), yellow);
    EXPECT_EQ(image.pixelColor(105, 16), yellow);
    EXPECT_EQ(image.pixelColor(100, 28), black);
    EXPECT_EQ(image.pixelColor(106, 20), black);
    // The T: stem at x 99 .. 101, rows 20 .. 25; bar at rows 18 .. 20.
    EXPECT_EQ(image.pixelColor(100, 23), black);
    EXPECT_EQ(image.pixelColor(97, 19), black);
    EXPECT_EQ(image.pixelColor(97, 23), yellow);
    // Cursor A triangle: tip at (200, 27), base at row 17 from 194 to 206.
    EXPECT_EQ(image.pixelColor(200, 27), blue);
    EXPECT_EQ(image.pixelColor(200, 18), blue);
    EXPECT_EQ(image.pixelColor(195, 18), blue);
    EXPECT_EQ(image.pixelColor(195, 26), black);
    // Cursor marks may stand beyond the record (up to ppc x 32500 points).
    EXPECT_EQ(image.pixelColor(250, 27), QColor(255, 0, 0));
    // The current event in its own colour; an event at N is not drawn.
    EXPECT_EQ(image.pixelColor(60, 27), magenta);
    EXPECT_EQ(image.pixelColor(150, 22), black);
}

TEST(CKpViewSettings, OwnKeysAndFixedChannelValuesPersist)
{
    ViewHarness h;
    RecordData data;
    h.view->SetRecord(MakeRecord(data, 1000));
    h.view->ToggleDrawOrder();
    h.view->ToggleFixed(); // on
    h.view->Channels().analog.zoom[0] = 2.5;
    h.view->ChannelsEdited();
    h.view->ToggleFixed(); // off: current values stored, header values back
    EXPECT_EQ(h.view->Channels().analog.zoom[0], 1.0);
    const auto zoom = h.store.readBinary("Wave", "AnalogWaveZoom");
    ASSERT_TRUE(zoom.has_value());
    EXPECT_EQ(zoom->size(), 352u * 8u);
    EXPECT_EQ(h.store.readBinary("Wave", "LogicWaveColor")->size(), 512u * 4u);
    h.view->ToggleFixed(); // on again: the stored values come back
    EXPECT_EQ(h.view->Channels().analog.zoom[0], 2.5);
    h.view.reset();
    EXPECT_EQ(h.store.readInt("Wave", "DrawReverseOrder", 0), 1);
    EXPECT_EQ(h.store.readInt("Wave", "UseProfileSetting", 0), 1);
    EXPECT_EQ(h.store.readText("Wave", "SaveStartMarkColor", ""), "0 0 255");

    // A new view starts fixed and carries the zoom into the next record.
    h.view = std::make_unique<CKpView>(h.settings, h.store);
    EXPECT_TRUE(h.view->IsReverseOrder());
    RecordData other;
    h.view->SetRecord(MakeRecord(other, 500));
    EXPECT_EQ(h.view->Channels().analog.zoom[0], 2.5);
}

TEST(CKpViewSettings, AShortStoredValueIsCopiedAsFarAsItGoes)
{
    ViewHarness h;
    h.store.writeInt("Wave", "UseProfileSetting", 1);
    std::vector<std::uint8_t> colours { 10, 20, 30, 0, 40, 50, 60 }; // one whole colour and a part
    h.store.writeBinary("Wave", "AnalogWaveColor", colours);
    h.view = std::make_unique<CKpView>(h.settings, h.store);
    RecordData data;
    h.view->SetRecord(MakeRecord(data, 100));
    EXPECT_EQ(h.view->Channels().analog.colour[0], (RgbColour { 10, 20, 30 }));
    EXPECT_EQ(h.view->Channels().analog.colour[1], DefaultChannelColour(1));
}

TEST(CKpViewChannels, VisibilityCommandsActOnPresentChannelsOnly)
{
    ViewHarness h;
    RecordData data;
    h.view->SetRecord(MakeRecord(data, 100, 3));
    int changes = 0;
    QObject::connect(h.view.get(), &CKpView::channelsChanged, [&] { ++changes; });
    h.view->ToggleAnalogChannel(1);
    EXPECT_FALSE(h.view->Channels().analog.shown[1]);
    h.view->ToggleAnalogChannel(7); // not in the record
    EXPECT_FALSE(h.view->Channels().analog.shown[7]);
    EXPECT_EQ(changes, 1);
    h.view->ShowAllChannels(true);
    EXPECT_TRUE(h.view->Channels().analog.shown[1]);
    EXPECT_FALSE(h.view->Channels().analog.shown[7]);
    EXPECT_EQ(changes, 2);
    h.view->ShowAllChannels(true); // nothing changed: no repaint, no refresh
    EXPECT_EQ(changes, 2);
    h.view->ShowAllChannels(false);
    const PaintParams p = h.view->BuildPaintParams(QRect(0, 0, 10, 10));
    EXPECT_TRUE(p.analog.empty());
}

} // namespace
} // namespace kp
