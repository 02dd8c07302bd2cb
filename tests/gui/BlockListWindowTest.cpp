#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CBlockListWindow.h"
#include "export/ExportRecordings.h"
#include "synth/IndexWriter.h"
#include "wavefile/CKpDoc.h"

#include <QAction>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ScratchFolder;

// An index of three blocks of which the middle one was moved away.
std::filesystem::path WriteIndex(const ScratchFolder& dir)
{
    synth::WriteRecordingFile(test::ExportFamily1(200), dir / "WAVE0001.MEM");
    synth::WriteRecordingFile(test::ExportFamily1(300), dir / "WAVE0003.MEM");
    synth::IndexBlueprint blueprint;
    blueprint.entries = { { 0, synth::Name83Stored("WAVE0001", "MEM") }, { 1, synth::Name83Stored("WAVE0002", "MEM") },
        { 2, synth::Name83Stored("WAVE0003", "MEM") } };
    synth::WriteIndexFile(dir / "A.IDX", blueprint);
    return dir / "A.IDX";
}

void DoubleClickRow(CBlockListWindow& w, int row)
{
    QTableView* table = w.table();
    const QRect cell = table->visualRect(table->model()->index(row, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

TEST(CBlockListWindow, ShowsTheBlocksOfTheLastIndexAndOpensADoubleClickedBlock)
{
    ScratchFolder dir;
    const auto index = WriteIndex(dir);
    FrameHarness h;
    h.Show();
    CBlockListWindow& list = h.frame->BlockList();
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(h.frame->BlockListAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    h.frame->BlockListAction()->trigger();
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.windowTitle(), "File List");
    EXPECT_EQ(list.table()->model()->rowCount(), 0);

    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(index)));
    EXPECT_EQ(list.windowTitle(), "Block List - A.IDX");
    ASSERT_EQ(list.table()->model()->rowCount(), 3);
    EXPECT_EQ(list.table()->model()->index(2, 1).data().toString(), "WAVE0003.MEM");
    EXPECT_EQ(list.table()->model()->index(2, 0).data().toString(), "3");
    EXPECT_EQ(
        list.table()->model()->index(2, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter, Qt::AlignHCenter);

    const std::uint64_t revision = h.frame->Document().GetRevision();
    DoubleClickRow(list, 1);
    ASSERT_EQ(h.messages.shown().size(), 1u);
    EXPECT_EQ(h.messages.shown()[0].text, "File not found.");
    EXPECT_EQ(h.frame->Document().GetRevision(), revision);

    DoubleClickRow(list, 2);
    EXPECT_EQ(h.frame->GetDocumentPath().toStdString(), (dir / "WAVE0003.MEM").string());
    EXPECT_EQ(list.table()->model()->rowCount(), 3);

    // A plain recording is not one of the blocks.
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(dir / "WAVE0001.MEM")));
    EXPECT_EQ(list.table()->model()->rowCount(), 0);
    EXPECT_EQ(list.windowTitle(), "File List");
}

TEST(CBlockListWindow, ColumnWidthsAndPlacementComeBackAfterTheFrameClosed)
{
    FrameHarness h;
    h.Show();
    CBlockListWindow& list = h.frame->BlockList();
    list.show();
    // Never placed before: over the middle of the frame, clear of its menus.
    EXPECT_LE((list.geometry().center() - h.frame->geometry().center()).manhattanLength(), 2);
    list.table()->setColumnWidth(1, 170);
    list.setGeometry(40, 50, 420, 230);
    h.CloseAndDestroy();
    EXPECT_EQ(h.store.readText("BlockFile", "BlockColumn", ""), "100 170 100 100 100");
    h.Create();
    EXPECT_EQ(h.frame->BlockList().table()->columnWidth(1), 170);
    EXPECT_EQ(h.frame->BlockList().geometry().size(), QSize(420, 230));
    h.frame->BlockList().show();
    EXPECT_EQ(h.frame->BlockList().geometry().topLeft(), QPoint(40, 50));
}

} // namespace
} // namespace kp
