#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/HelpMenu.h"
#include "view/CommandTable.h"

#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include <set>

namespace kp {
namespace {

using test::FrameHarness;

std::set<std::string> TableKeysOfMenuCommands()
{
    std::set<std::string> keys;
    for (const CommandEntry& e : KpCommands()) {
        if (e.menu != "Waveform view")
            keys.insert(e.keys.begin(), e.keys.end());
    }
    return keys;
}

// The frame's keys and the command table are one: every key an action has
// is in the table, and every key of the table's menu commands reaches an
// action. A key written at the place that makes an action fails here.
TEST(CommandTable, IsWhatTheFramesActionsAreBoundTo)
{
    FrameHarness h;
    std::set<std::string> bound;
    for (const QAction* a : h.frame->findChildren<QAction*>()) {
        for (const QKeySequence& k : a->shortcuts())
            bound.insert(k.toString(QKeySequence::PortableText).toStdString());
    }
    EXPECT_EQ(bound, TableKeysOfMenuCommands());
}

TEST(CommandTable, EveryKeyReadsAsOneKeyStroke)
{
    for (const std::string& key : TableKeysOfMenuCommands()) {
        const QKeySequence sequence(QString::fromStdString(key), QKeySequence::PortableText);
        EXPECT_EQ(sequence.count(), 1) << key;
        EXPECT_EQ(sequence.toString(QKeySequence::PortableText).toStdString(), key);
    }
}

HelpMenu& Help(CMainFrame& frame)
{
    return *frame.findChild<HelpMenu*>();
}

QString WindowText(QDialog* window)
{
    return window->findChild<QTextBrowser*>()->toPlainText();
}

TEST(HelpMenu, IsTheLastMenuAndOpensItsWindows)
{
    FrameHarness h;
    h.Show();
    const QList<QAction*> menus = h.frame->menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.back()->text(), "&Help");
    HelpMenu& help = Help(*h.frame);
    EXPECT_EQ(help.menu()->actions().back(), help.about());

    QTest::keyClick(h.frame.get(), Qt::Key_F1);
    auto* shortcuts = h.frame->findChild<QDialog*>(QStringLiteral("KeyboardShortcutsWindow"));
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_TRUE(shortcuts->isVisible());
    const QString table = WindowText(shortcuts);
    for (const char* part : { "Save Between Cursors...", "Ctrl+Shift+S", "Shift+Click", "Alt+Shift+1" })
        EXPECT_TRUE(table.contains(QLatin1String(part))) << part;

    help.about()->trigger();
    QDialog* about = h.frame->findChild<QDialog*>(QStringLiteral("AboutWindow"));
    ASSERT_NE(about, nullptr);
    const QString text = WindowText(about);
    for (const QString& part : { QStringLiteral("Kp " KP_VERSION), QString::fromLatin1(qVersion()),
             QStringLiteral("Kp.conf"), QStringLiteral("Licence") })
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\n" << text.toStdString();
}

TEST(CMainFrame, FirstStartTakesFourFifthsOfTheScreenOrIsMaximised)
{
    FrameHarness h;
    const QRect screen = h.frame->screen()->availableGeometry();
    const QSize share(screen.width() * 4 / 5, screen.height() * 4 / 5);
    EXPECT_EQ(h.frame->size(), share.expandedTo(QSize(250, 250)));
    EXPECT_EQ(h.frame->geometry().center().x(), screen.center().x());
    h.frame->ShowWithSavedState();
    EXPECT_EQ(h.frame->isMaximized(), share.width() < 800 || share.height() < 500);

    // Once a placement is stored it is used as it is.
    h.store.writeText("Main", "Placement", "10 20 710 520");
    h.Create();
    EXPECT_EQ(h.frame->size(), QSize(700, 500));
    h.frame->ShowWithSavedState();
    EXPECT_FALSE(h.frame->isMaximized());
}

} // namespace
} // namespace kp
