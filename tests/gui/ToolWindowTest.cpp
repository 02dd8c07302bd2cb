// The tool windows of the frame move with it and share the translucency.
#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CBlockListWindow.h"
#include "display/ControlPanelHost.h"
#include "display/ToolWindowPictures.h"
#include "display/ToolWindowTranslucency.h"
#include "display/WaveControlPanel.h"
#include "infowin/CPropertiesWindow.h"
#include "infowin/CTraceWindow.h"
#include "infowin/InfoWindows.h"

#include <QAction>

#include <vector>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ScratchFolder;
using test::WriteDemo;

struct ToolWindows : ::testing::Test {
    ScratchFolder dir;
    FrameHarness h;
    void SetUp() override
    {
        h.Show();
        ASSERT_TRUE(h.frame->OpenDocumentFile(Q(WriteDemo(dir, "DEMO.MEM"))));
        QApplication::processEvents();
    }
    CMainFrame& frame() { return *h.frame; }
    std::vector<QWidget*> OpenAll()
    {
        frame().ControlPanel().SetShown(true);
        frame().Windows().ShowTrace(true);
        frame().Windows().ShowProperties(true);
        frame().BlockListAction()->trigger();
        QApplication::processEvents();
        return { &frame().ControlPanel().Panel(), &frame().Windows().Trace(), &frame().Windows().Properties(),
            &frame().BlockList() };
    }
};

TEST_F(ToolWindows, KeepTheirPlaceRelativeToTheMovingFrame)
{
    const std::vector<QWidget*> windows = OpenAll();
    // One of them hidden: it reopens where it stood relative to the frame.
    frame().Windows().ShowProperties(false);
    std::vector<QPoint> before;
    for (QWidget* w : windows)
        before.push_back(w->pos());
    for (const QPoint step : { QPoint(40, 25), QPoint(-70, 10) }) {
        frame().move(frame().pos() + step);
        QApplication::processEvents();
        for (std::size_t i = 0; i < windows.size(); ++i) {
            before[i] += step;
            EXPECT_EQ(windows[i]->pos(), before[i]) << windows[i]->objectName().toStdString();
        }
    }
}

TEST(ToolWindow, StaysWhereItWasRestoredWhileTheFrameIsPlacedAtStart)
{
    FrameHarness h;
    h.frame->BlockList().setGeometry(40, 50, 420, 230);
    h.frame->move(300, 200);
    h.Show();
    EXPECT_EQ(h.frame->BlockList().geometry().topLeft(), QPoint(40, 50));
}

TEST_F(ToolWindows, ThoseClosedAlongWithTheFrameReopenNextTime)
{
    OpenAll();
    frame().Windows().Properties().close(); // the user's own close
    frame().close();
    // The desktop closes the frame's windows after the frame itself.
    frame().Windows().Trace().close();
    EXPECT_EQ(h.store.readInt("Wave", "ShowTrace", -1), 1);
    EXPECT_EQ(h.store.readInt("Wave", "ShowProperty", -1), 0);
}

TEST_F(ToolWindows, AllTakeTheTranslucencyAndItsDensityAtOnce)
{
    ToolWindowTranslucency& t = frame().Translucency();
    // The trace window opens after the switch and takes it when made.
    frame().ControlPanel().SetShown(true);
    t.SetTranslucent(true);
    const std::vector<QWidget*> windows = OpenAll();
    auto expectOpacity = [&](double opacity) {
        for (QWidget* w : windows)
            EXPECT_NEAR(w->windowOpacity(), opacity, 0.005) << w->objectName().toStdString();
    };
    expectOpacity(0.8);
    t.SetDensityAsker([](int current) {
        EXPECT_EQ(current, 80);
        return std::optional<int>(35);
    });
    t.AskDensity();
    expectOpacity(0.35);
    t.SetDensityAsker([](int) { return std::optional<int>(); }); // cancelled
    t.AskDensity();
    expectOpacity(0.35);
    // The picture of a window is as translucent as the window.
    EXPECT_NEAR(GrabToolWindow(frame(), QStringLiteral("trace")).pixelColor(5, 5).alpha(), 89, 1);
    t.toggle()->trigger();
    expectOpacity(1.0);
    EXPECT_FALSE(h.settings.dlgLayered);
    EXPECT_EQ(h.settings.dlgLayeredBlend, 35);
    EXPECT_EQ(GrabToolWindow(frame(), QStringLiteral("trace")).pixelColor(5, 5).alpha(), 255);
}

} // namespace
} // namespace kp
