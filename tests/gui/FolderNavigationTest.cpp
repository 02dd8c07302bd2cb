#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "display/FolderNavigation.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ScratchFolder;
using test::WriteDemo;

std::string OpenName(const FrameHarness& h)
{
    return std::filesystem::path(h.frame->GetDocumentPath().toStdString()).filename().string();
}

struct Folder {
    ScratchFolder dir;
    Folder()
    {
        for (const char* name : { "C.MEM", "a.MEM", "B.MEM" })
            WriteDemo(dir, name, 2000);
        dir.touch("notes.txt");
    }
};

TEST(FolderNavigation, KeysStepThroughTheFolderByNameAndTheCounterFollows)
{
    Folder f;
    FrameHarness h;
    h.Show();
    FolderNavigation& nav = h.frame->Navigation();
    EXPECT_EQ(nav.counter()->text(), "---");
    EXPECT_FALSE(nav.nextButton()->isEnabled());
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(f.dir / "a.MEM")));
    EXPECT_EQ(nav.counter()->text(), "1/3");
    EXPECT_FALSE(nav.previousButton()->isEnabled());
    EXPECT_TRUE(nav.nextButton()->isEnabled());

    struct Press {
        QKeySequence keys;
        const char* expectedName;
        const char* counter;
    };
    const Press presses[] = {
        { QKeySequence(Qt::Key_Space), "B.MEM", "2/3" },
        { QKeySequence(Qt::ALT | Qt::Key_Right), "C.MEM", "3/3" },
        { QKeySequence(Qt::CTRL | Qt::Key_J), "C.MEM", "3/3" }, // at the end: nothing
        { QKeySequence(Qt::SHIFT | Qt::Key_Space), "B.MEM", "2/3" },
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J), "C.MEM", "3/3" },
        { QKeySequence(Qt::ALT | Qt::Key_Up), "a.MEM", "1/3" },
        { QKeySequence(Qt::CTRL | Qt::Key_Space), "C.MEM", "3/3" },
        { QKeySequence(Qt::CTRL | Qt::Key_K), "B.MEM", "2/3" },
    };
    for (const Press& p : presses) {
        QTest::keySequence(&h.frame->View(), p.keys);
        EXPECT_EQ(OpenName(h), p.expectedName) << p.keys.toString().toStdString();
        EXPECT_EQ(nav.counter()->text().toStdString(), p.counter) << p.keys.toString().toStdString();
    }
}

TEST(FolderNavigation, ButtonsStepAndGoToTheEndsWithCtrlAndMouseButtonsStep)
{
    Folder f;
    FrameHarness h;
    h.Show();
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(f.dir / "B.MEM")));
    FolderNavigation& nav = h.frame->Navigation();
    QTest::mouseClick(nav.nextButton(), Qt::LeftButton);
    EXPECT_EQ(OpenName(h), "C.MEM");
    QTest::mouseClick(nav.previousButton(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(OpenName(h), "a.MEM");
    QWidget* viewport = h.frame->View().viewport();
    QTest::mouseClick(viewport, Qt::ForwardButton);
    EXPECT_EQ(OpenName(h), "B.MEM");
    QTest::mouseClick(viewport, Qt::BackButton);
    EXPECT_EQ(OpenName(h), "a.MEM");
    EXPECT_EQ(nav.previousButton()->toolTip(), "Previous File");
    EXPECT_EQ(nav.counter()->statusTip(), "Index / Total number of waveform files in the folder.");
}

TEST(FolderNavigation, WithNavigationOffTheBarHasNoButtonsAndTheKeysDoNothing)
{
    Folder f;
    FrameHarness h;
    h.store.writeInt("Main", "EnableNavigation", 0);
    h.Create();
    h.Show();
    ASSERT_TRUE(h.frame->OpenDocumentFile(Q(f.dir / "a.MEM")));
    EXPECT_EQ(h.frame->Navigation().nextButton(), nullptr);
    EXPECT_FALSE(h.frame->Navigation().next()->isEnabled());
    QTest::keySequence(&h.frame->View(), QKeySequence(Qt::Key_Space));
    EXPECT_EQ(OpenName(h), "a.MEM");
}

} // namespace
} // namespace kp
