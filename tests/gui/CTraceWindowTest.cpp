// The trace window driven as a user drives it: typed positions, spin buttons
// with and without Ctrl and Shift, tabs, formats, Copy, and its settings.
#include "infowin/CTraceWindow.h"
#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "infowin/CursorSpinButtons.h"
#include "infowin/InfoWindows.h"
#include "view/StatisticsReadout.h"
#include "view/TraceReadout.h"
#include "wavefile/CKpDoc.h"

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace kp {
namespace {

using test::FrameHarness;
using test::ScratchFolder;

class TraceWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.Show();
        ASSERT_TRUE(h.frame->OpenDocumentFile(test::Q(test::WriteDemo(dir, "T.MEM", 2000))));
        h.frame->Windows().ShowTrace(true);
        w = &h.frame->Windows().Trace();
        QApplication::processEvents();
    }
    CKpView& View() { return h.frame->View(); }
    void Notation(int n) { View().SetTimeNotation(static_cast<AxisNotation>(n)); }
    std::int64_t Trigger() const { return h.frame->View().GetRecord()->trigger; }
    QString Cell(int row, int col) const { return w->List()->model()->index(row, col).data().toString(); }

    ScratchFolder dir;
    FrameHarness h;
    CTraceWindow* w = nullptr;
};

TEST_F(TraceWindowTest, ShowsTheValuesOfTheCursorsOnOpening)
{
    EXPECT_EQ(w->windowTitle(), "Trace - T.MEM");
    const TraceTables expected = BuildTraceTables(h.frame->Document(), 0, 1999, w->Settings().options);
    const auto& analog = expected[static_cast<int>(TraceTab::Analog)];
    ASSERT_EQ(w->List()->model()->rowCount(), static_cast<int>(analog.rows.size()));
    EXPECT_EQ(Cell(0, 1).toStdString(), analog.rows[0][1]);
    EXPECT_EQ(Cell(0, 3).toStdString(), analog.rows[0][3]);
}

TEST_F(TraceWindowTest, TypedPositionsMoveTheCursorsInPointNotationOnly)
{
    Notation(2);
    QLineEdit* a = w->EditA();
    a->selectAll();
    QTest::keyClicks(a, "12x5");
    EXPECT_EQ(a->text(), "125"); // letters are not typed
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_EQ(View().GetCursorA(), Trigger() + 125);
    QLineEdit* b = w->EditB();
    b->selectAll();
    QTest::keyClicks(b, "-100000");
    QTest::keyClick(b, Qt::Key_Tab);
    // A position typed for B before A leaves B at A.
    EXPECT_EQ(View().GetCursorB(), View().GetCursorA());
    EXPECT_EQ(w->DistanceEdit()->toPlainText(), "0");

    Notation(1);
    EXPECT_TRUE(a->isReadOnly());
    EXPECT_TRUE(w->DistanceEdit()->toPlainText().endsWith("\n[---Hz]"));
}

TEST_F(TraceWindowTest, SpinButtonsMoveOneOrBothCursors)
{
    View().SetCursors(100, 150);
    QTest::mouseClick(w->SpinA()->Up(), Qt::LeftButton);
    EXPECT_EQ(View().GetCursorA(), 101);
    QTest::mouseClick(w->SpinB()->Down(), Qt::LeftButton);
    EXPECT_EQ(View().GetCursorB(), 149);
    QTest::mouseClick(w->SpinDistance()->Up(), Qt::LeftButton);
    EXPECT_EQ(View().GetCursorA(), 102);
    EXPECT_EQ(View().GetCursorB(), 150);
    // Ctrl: by the distance; Shift also scrolls (the cursors move the same).
    QTest::mouseClick(w->SpinDistance()->Down(), Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(View().GetCursorA(), 54);
    EXPECT_EQ(View().GetCursorB(), 102);
    Notation(2);
    EXPECT_EQ(w->EditA()->text().toStdString(), std::to_string(54 - Trigger()));
}

TEST_F(TraceWindowTest, CtrlTabCyclesTheListsAndCopyTakesTheVisibleOne)
{
    const int tabs = w->Tabs()->count();
    ASSERT_GE(tabs, 2); // analog and logic
    QTest::keyClick(w->EditA(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->Tabs()->currentIndex(), 1);
    QTest::keyClick(w->EditA(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w->EditA(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->Tabs()->currentIndex(), tabs - 1);

    w->SelectTab(static_cast<int>(TraceTab::Logic));
    Notation(2);
    View().SetCursors(10, 20);
    w->Copy();
    const QString text = QApplication::clipboard()->text();
    const std::string a = std::to_string(10 - Trigger()), b = std::to_string(20 - Trigger());
    EXPECT_TRUE(text.startsWith(QString::fromStdString("LCH\tA\tB\tComment\r\nTime\t" + a + "\t" + b + "\t\r\n")))
        << text.toStdString();
    EXPECT_EQ(text.count("\r\n"), 2 + w->List()->model()->rowCount());
}

TEST_F(TraceWindowTest, StatisticsTabShowsTheRangeAndCopiesItsSummary)
{
    View().SetCursors(10, 20);
    w->SelectTab(kStatisticsTab);
    const std::string summary = StatisticsReadout::SummaryLine(View().GetRecord()->sampleInterval, 10, 20);
    EXPECT_TRUE(w->StatisticsSummary()->isVisible());
    EXPECT_EQ(w->StatisticsSummary()->text().toStdString(), summary);
    EXPECT_EQ(w->List()->model()->headerData(1, Qt::Horizontal).toString(), "Min");
    const std::string copy = w->CopyText();
    EXPECT_NE(copy.find("\r\n" + summary + "\r\n"), std::string::npos) << copy;
    w->SelectTab(static_cast<int>(TraceTab::Analog));
    EXPECT_FALSE(w->StatisticsSummary()->isVisible());
}

TEST_F(TraceWindowTest, FormatAndCalculationChangesRetitleAndPersist)
{
    w->SetCalcType(TraceCalcType::AOverB);
    w->SetNumStyle(TraceNumStyle::Exponential);
    w->ToggleUnit();
    EXPECT_EQ(w->List()->model()->headerData(3, Qt::Horizontal).toString(), "A/B");
    EXPECT_TRUE(Cell(0, 1).contains("E")) << Cell(0, 1).toStdString();
    EXPECT_TRUE(Cell(0, 1).endsWith("V")) << Cell(0, 1).toStdString();
    w->List()->horizontalHeader()->resizeSection(4, 77);
    h.CloseAndDestroy();
    EXPECT_EQ(h.store.readInt("TraceAll", "CalcType", -1), 4);
    EXPECT_EQ(h.store.readInt("TraceAll", "NumStyle", -1), 2);
    EXPECT_EQ(h.store.readInt("TraceAll", "NumAddEu", -1), 1);
    const std::string widths = h.store.readText("TraceAll", "AnalogColumn", "");
    EXPECT_TRUE(widths.ends_with(" 77")) << widths;
    EXPECT_EQ(h.store.readInt("Wave", "ShowTrace", -1), 1);
    EXPECT_TRUE(h.store.contains("TraceAll", "Placement"));
}

// A window open at the last exit opens again with the first record.
TEST(TraceWindowStart, ShowTraceReopensOnTheFirstLoad)
{
    ScratchFolder dir;
    FrameHarness h;
    h.store.writeInt("Wave", "ShowTrace", 1);
    h.Create();
    h.Show();
    EXPECT_EQ(h.frame->Windows().TraceIfCreated(), nullptr);
    ASSERT_TRUE(h.frame->OpenDocumentFile(test::Q(test::WriteDemo(dir, "S.MEM", 500))));
    ASSERT_NE(h.frame->Windows().TraceIfCreated(), nullptr);
    EXPECT_TRUE(h.frame->Windows().TraceIfCreated()->isVisible());
    EXPECT_TRUE(h.frame->Windows().traceAction()->isChecked());
}

} // namespace
} // namespace kp
