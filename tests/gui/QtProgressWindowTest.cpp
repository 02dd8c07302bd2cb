#include <gtest/gtest.h>

#include "app/QtProgressWindow.h"
#include "platform/UserMessages.h"

#include <QProgressBar>
#include <QPushButton>

namespace kp {
namespace {

void PressCancel(QProgressDialog* dialog)
{
    ASSERT_NE(dialog, nullptr);
    auto* button = dialog->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    button->click();
}

TEST(QtProgressWindow, CancelIsConfirmedBeforeStopping)
{
    RecordingMessages messages;
    messages.scriptAnswer(MessageAnswer::Cancel);
    messages.scriptAnswer(MessageAnswer::Ok);
    QtProgressWindow progress(messages);
    progress.begin("Converting...", "A.MEM -> A.CSV", 10);
    EXPECT_EQ(progress.dialog()->windowTitle(), "Converting...");
    EXPECT_EQ(progress.dialog()->labelText(), "A.MEM -> A.CSV");
    EXPECT_TRUE(progress.step());
    EXPECT_TRUE(messages.shown().empty());

    // The user takes it back: the work goes on and the window stays.
    PressCancel(progress.dialog());
    EXPECT_TRUE(progress.step());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Cancel?");
    EXPECT_TRUE(progress.dialog()->isVisible());
    EXPECT_FALSE(progress.dialog()->wasCanceled());
    EXPECT_TRUE(progress.step());
    EXPECT_EQ(progress.dialog()->value(), 300);

    PressCancel(progress.dialog());
    EXPECT_FALSE(progress.step());
    EXPECT_EQ(messages.shown().size(), 2u);
    progress.end();
    EXPECT_EQ(progress.dialog(), nullptr);
}

TEST(QtProgressWindow, TheBarFollowsThePosition)
{
    RecordingMessages messages;
    QtProgressWindow progress(messages);
    progress.begin("Loading...", "", 4);
    progress.step();
    EXPECT_EQ(progress.dialog()->value(), progress.dialog()->maximum() / 4);
    progress.setPosition(4);
    EXPECT_EQ(progress.dialog()->value(), progress.dialog()->maximum());
    const auto* bar = progress.dialog()->findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(), "100 %");
    progress.end();
}

} // namespace
} // namespace kp
