#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "display/FrameClient.h"
#include "display/FrameCommands.h"
#include "display/ViewCommands.h"
#include "synth/IndexWriter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
#include <QUrl>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ScratchFolder;
using test::WriteDemo;

// Delivers a drag-enter and a drop of the URLs; true when the frame took the drag.
bool Drop(CMainFrame& frame, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    return true;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title)
{
    for (QAction* a : frame.menuBar()->actions()) {
        if (a->text() == title)
            return a->menu();
    }
    return nullptr;
}

TEST(CMainFrame, IsTitledKpAcceptsDropsAndKeepsItsMinimumSize)
{
    FrameHarness h;
    EXPECT_EQ(h.frame->windowTitle(), "Kp");
    EXPECT_TRUE(h.frame->acceptDrops());
    EXPECT_TRUE(h.frame->GetDocumentPath().isEmpty());
    EXPECT_EQ(h.frame->minimumSize(), QSize(250, 250));
    EXPECT_EQ(h.frame->MagnificationBox()->count(), 0);
}

TEST(CMainFrame, ADroppedRecordingIsShownAndNamedInTheTitle)
{
    ScratchFolder dir;
    const auto file = WriteDemo(dir, "A.MEM");
    FrameHarness h;
    h.Show();
    QStringList opened;
    QObject::connect(h.frame.get(), &CMainFrame::documentOpened, [&](const QString& path) { opened << path; });
    ASSERT_TRUE(Drop(*h.frame, { QUrl::fromLocalFile(Q(file)) }));
    EXPECT_EQ(h.frame->GetDocumentPath().toStdString(), file.string());
    EXPECT_EQ(h.frame->windowTitle(), "A.MEM - Kp");
    EXPECT_EQ(opened, QStringList { h.frame->GetDocumentPath() });
    EXPECT_TRUE(h.frame->View().IsLoaded());
    EXPECT_EQ(h.frame->View().GetRecord()->analog.size(), 8u);
    EXPECT_EQ(h.frame->View().GetRecord()->logic.size(), 16u);
    // The combo box lists every magnification up to the highest.
    EXPECT_EQ(h.frame->MagnificationBox()->count(), h.frame->View().GetHighestIndex() + 1);
    EXPECT_EQ(h.frame->MagnificationBox()->currentIndex(), h.frame->View().GetMagnificationIndex());
    EXPECT_FALSE(h.frame->StatusPane(0)->text().isEmpty());
    // Model and function panes carry their icons; the other two none.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(h.frame->StatusIconLabel(i)->isVisible(), i < 2) << i;
    EXPECT_FALSE(h.frame->StatusIconLabel(0)->pixmap().isNull());
    EXPECT_EQ(h.frame->RecentFiles().Files().front(), file.string());
    EXPECT_TRUE(h.messages.shown().empty());
}

TEST(CMainFrame, RefusesDragsWithoutALocalFile)
{
    FrameHarness h;
    EXPECT_FALSE(Drop(*h.frame, { QUrl("https://example.org/A.MEM") }));
    EXPECT_FALSE(Drop(*h.frame, {}));
    EXPECT_EQ(h.frame->windowTitle(), "Kp");
}

TEST(CMainFrame, AFileThatIsNoRecordingLeavesThePreviousOneShown)
{
    ScratchFolder dir;
    const auto good = WriteDemo(dir, "A.MEM");
    const auto bad = dir.touch("B.MEM", std::string(600, 'x'));
    synth::IndexBlueprint index;
    index.entries = { { 1, synth::Name83Stored("WAVE0001", "MEM") } };
    synth::WriteIndexFile(dir / "C.IDX", index);
    FrameHarness h;
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(good)));
    // The record stays on screen behind the refusal and behind "File not found.".
    std::vector<bool> shownBehind;
    h.messages.whileShown([&] { shownBehind.push_back(h.frame->View().IsLoaded() && !h.frame->View().IsSuspended()); });
    EXPECT_FALSE(h.frame->OpenDocumentFile(Q(bad)));
    EXPECT_FALSE(h.frame->OpenDocumentFile(Q(dir / "C.IDX")));
    ASSERT_EQ(h.messages.shown().size(), 2u);
    EXPECT_EQ(h.messages.shown()[1].text, "File not found.");
    EXPECT_EQ(shownBehind, (std::vector { true, true }));
    EXPECT_TRUE(h.frame->View().IsLoaded());
    EXPECT_FALSE(h.frame->View().IsSuspended());
    EXPECT_EQ(h.frame->windowTitle(), "A.MEM - Kp");
    EXPECT_FALSE(h.frame->OpenDocumentFile(Q(dir / "missing.MEM")));
    EXPECT_EQ(h.frame->windowTitle(), "A.MEM - Kp");
}

TEST(CMainFrame, ZoomKeysAndTheComboBoxChangeTheMagnification)
{
    ScratchFolder dir;
    const auto file = WriteDemo(dir, "A.MEM", 100000);
    FrameHarness h;
    h.Show();
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(file)));
    CKpView& view = h.frame->View();
    view.SetMagnificationIndex(2);
    QTest::keyClick(h.frame.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(view.GetMagnificationIndex(), 3);
    EXPECT_EQ(h.frame->MagnificationBox()->currentIndex(), 3);
    QTest::keyClick(h.frame.get(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(h.frame.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(view.GetMagnificationIndex(), 1);
    QComboBox* box = h.frame->MagnificationBox();
    box->setCurrentIndex(4);
    emit box->activated(4);
    EXPECT_EQ(view.GetMagnificationIndex(), 4);
}

TEST(CMainFrame, TheMagnificationMenuIsRebuiltWhenTheMenuOpens)
{
    ScratchFolder dir;
    FrameHarness h;
    QMenu* wave = TopMenu(*h.frame, "&Wave");
    ASSERT_NE(wave, nullptr);
    QMenu* mag = h.frame->findChild<QMenu*>("MagnificationMenu");
    ASSERT_NE(mag, nullptr);
    emit wave->aboutToShow();
    ASSERT_EQ(mag->actions().size(), 1);
    EXPECT_FALSE(mag->actions().front()->isEnabled()); // nothing loaded
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "A.MEM"))));
    h.frame->View().SetMagnificationIndex(1);
    emit wave->aboutToShow();
    ASSERT_EQ(mag->actions().size(), h.frame->View().GetHighestIndex() + 1);
    EXPECT_TRUE(mag->actions()[1]->isChecked());
    EXPECT_EQ(mag->actions()[1]->data().toInt(), 6141);
    mag->actions().back()->trigger();
    EXPECT_EQ(h.frame->View().GetMagnificationIndex(), h.frame->View().GetHighestIndex());
}

TEST(CMainFrame, ChannelKeysToggleChannels)
{
    ScratchFolder dir;
    FrameHarness h;
    h.Show();
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "A.MEM"))));
    auto& shown = h.frame->View().Channels().analog.shown;
    ASSERT_TRUE(shown[2]);
    QTest::keyClick(h.frame.get(), Qt::Key_3);
    EXPECT_FALSE(shown[2]);
    QTest::keyClick(h.frame.get(), Qt::Key_A, Qt::ControlModifier); // All On
    EXPECT_TRUE(shown[2]);
    QTest::keyClick(h.frame.get(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier); // All Off
    EXPECT_FALSE(shown[0]);
    EXPECT_FALSE(h.frame->View().Channels().logic.shown[0]);
    QTest::keyClick(h.frame.get(), Qt::Key_1, Qt::AltModifier); // logic unit A
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(h.frame->View().Channels().logic.shown[static_cast<std::size_t>(c)]);
    EXPECT_FALSE(h.frame->View().Channels().logic.shown[4]);
}

TEST(CMainFrame, LayoutAndPlacementPersistInSectionMain)
{
    FrameHarness h;
    h.Show();
    h.frame->resize(700, 500);
    h.frame->SetTitleShown(true);
    h.frame->SetRemarkShown(true);
    h.frame->Layout().fixWindowPos = true;
    h.CloseAndDestroy();
    EXPECT_EQ(h.store.readInt("Main", "Title", 0), 1);
    EXPECT_EQ(h.store.readInt("Main", "Remark", 0), 1);
    EXPECT_EQ(h.store.readInt("Main", "FixWindowPos", 0), 1);
    const std::string placement = h.store.readText("Main", "Placement", "");
    const auto rect = DecodeRect(placement);
    ASSERT_TRUE(rect.has_value()) << placement;
    EXPECT_EQ(rect->right - rect->left, 700);
    EXPECT_EQ(rect->bottom - rect->top, 500);
    EXPECT_TRUE(h.store.readBinary("Main", "Toolbar").has_value());
    EXPECT_EQ(h.settings.cmdShow, 1);
    // The view's own keys are written when it is destroyed with the frame.
    EXPECT_TRUE(h.store.contains("Wave", "DrawReverseOrder"));

    h.Create();
    EXPECT_EQ(h.frame->size(), QSize(700, 500));
    EXPECT_TRUE(h.frame->Layout().title);
    EXPECT_TRUE(h.frame->Layout().remark);
}

TEST(CMainFrame, CaptureCoversTheViewAndTheShownPanes)
{
    FrameHarness h;
    h.Show();
    const QRect client = h.frame->Client().rect();
    const QRect viewOnly = h.frame->CaptureRect();
    EXPECT_EQ(viewOnly, h.frame->Client().CurrentRects().view);
    h.frame->SetTitleShown(true);
    h.frame->SetGaugeShown(true);
    h.frame->SetRemarkShown(true);
    EXPECT_EQ(h.frame->CaptureRect(), client);
    EXPECT_GT(h.frame->Client().CurrentRects().gauge.width(), 19);
}

TEST(FrameLayout, PanesTakeTheirRoomAroundTheView)
{
    const QRect client(0, 0, 800, 600);
    FramePanes p;
    p.title = true;
    p.titleFontHeight = -14;
    p.gauge = true;
    p.gaugeCount = 4;
    p.gaugeTextHeight = 15;
    p.remark = true;
    p.remarkRatio = 4;
    const FrameRects r = ComputeFrameLayout(client, p);
    EXPECT_EQ(r.title, QRect(0, 0, 800, 20));
    EXPECT_EQ(r.gauge, QRect(0, 20, 79, 430));
    EXPECT_EQ(r.view, QRect(79, 20, 721, 430));
    EXPECT_EQ(r.remark, QRect(0, 450, 800, 150));
    p.remarkRatio = 11; // outside 2 .. 10: 5
    EXPECT_EQ(ComputeFrameLayout(client, p).remark.height(), 120);
    p.remarkRatio = 1;
    EXPECT_EQ(ComputeFrameLayout(client, p).remark.height(), 120);
    p.gaugeCount = 0; // 1
    EXPECT_EQ(ComputeFrameLayout(client, p).gauge.width(), 15 + 19);
    p.gaugeCount = 100; // 64
    EXPECT_EQ(ComputeFrameLayout(client, p).gauge.width(), 64 * 15 + 19);
    const FrameRects none = ComputeFrameLayout(client, FramePanes {});
    EXPECT_EQ(none.view, client);
    EXPECT_TRUE(none.title.isEmpty() && none.gauge.isEmpty() && none.remark.isEmpty());
}

TEST(RecentFileList, KeepsEightNewestFirstWithoutRepeats)
{
    MemorySettingsStore store;
    RecentFileList list;
    for (int i = 0; i < 10; ++i)
        list.Add("/data/F" + std::to_string(i) + ".MEM");
    list.Add("/data/F5.MEM");
    ASSERT_EQ(list.Files().size(), 8u);
    EXPECT_EQ(list.Files().front(), "/data/F5.MEM");
    EXPECT_EQ(list.Files()[1], "/data/F9.MEM");
    list.Save(store);
    RecentFileList again;
    again.Load(store);
    EXPECT_EQ(again.Files(), list.Files());
}

} // namespace
} // namespace kp
