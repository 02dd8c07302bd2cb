// The properties window as a user meets it: its tabs for the file, choosing
// an event mark, the notation of the event times and its settings.
#include "infowin/CPropertiesWindow.h"
#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "infowin/InfoWindows.h"
#include "infowin/TabbedLists.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace kp {
namespace {

using test::FrameHarness;
using test::ScratchFolder;

TEST(PropertiesWindow, EventMarksSelectAndFollowTheNotation)
{
    ScratchFolder dir;
    FrameHarness h;
    h.Show();
    ASSERT_TRUE(h.frame->OpenDocumentFile(test::Q(test::WriteDemo(dir, "P.MEM", 2000))));
    h.frame->Windows().ShowProperties(true);
    CPropertiesWindow& w = h.frame->Windows().Properties();
    EXPECT_EQ(w.windowTitle(), "Properties - P.MEM");
    QTabBar* tabs = w.Lists()->Bar();
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    EXPECT_EQ(titles, (QStringList { "General", "Analog", "Logic", "System", "Event Mark" }));

    w.Lists()->SelectTab(static_cast<int>(PropertyTab::EventMark));
    QTableView* list = w.Lists()->List();
    const int events = static_cast<int>(h.frame->View().GetRecord()->events.size());
    ASSERT_EQ(list->model()->rowCount(), events);
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(h.frame->View().GetCurrentEvent(), 1);

    h.frame->View().SetTimeNotation(AxisNotation::Point);
    const std::int64_t trigger = h.frame->View().GetRecord()->trigger;
    const std::int64_t mark = h.frame->View().GetRecord()->events[0];
    EXPECT_EQ(list->model()->index(0, 1).data().toString().toStdString(), std::to_string(mark - trigger) + " point");

    list->horizontalHeader()->resizeSection(2, 640);
    h.CloseAndDestroy();
    const std::string widths = h.store.readText("Property", "EventColumn", "");
    EXPECT_TRUE(widths.ends_with(" 512")) << widths; // never stored wider than shown
    EXPECT_EQ(h.store.readInt("Wave", "ShowProperty", -1), 1);
}

} // namespace
} // namespace kp
