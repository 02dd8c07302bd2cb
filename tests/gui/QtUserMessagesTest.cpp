#include <gtest/gtest.h>

#include "app/QtUserMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace kp {
namespace {

// Answers the next message box from inside its event loop.
MessageAnswer Answer(MessageButtons buttons, std::function<void(QMessageBox&)> act, QString* shownText = nullptr)
{
    QTimer::singleShot(0, [act, shownText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (shownText != nullptr)
            *shownText = box->text();
        act(*box);
    });
    QtUserMessages messages;
    return messages.show("Cancel?", buttons, MessageIcon::Question);
}

void Click(QMessageBox& box, QMessageBox::StandardButton which)
{
    box.button(which)->click();
}

void Escape(QMessageBox& box)
{
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&box, &key);
}

TEST(QtUserMessages, MapsTheButtonsToAnswers)
{
    QString text;
    EXPECT_EQ(Answer(
                  MessageButtons::Ok, [](QMessageBox& b) { Click(b, QMessageBox::Ok); }, &text),
        MessageAnswer::Ok);
    EXPECT_EQ(text, "Cancel?");
    EXPECT_EQ(
        Answer(MessageButtons::OkCancel, [](QMessageBox& b) { Click(b, QMessageBox::Cancel); }), MessageAnswer::Cancel);
    EXPECT_EQ(Answer(MessageButtons::OkCancel, [](QMessageBox& b) { Click(b, QMessageBox::Ok); }), MessageAnswer::Ok);
    EXPECT_EQ(Answer(MessageButtons::YesNo, [](QMessageBox& b) { Click(b, QMessageBox::Yes); }), MessageAnswer::Yes);
    EXPECT_EQ(Answer(MessageButtons::YesNo, [](QMessageBox& b) { Click(b, QMessageBox::No); }), MessageAnswer::No);
}

TEST(QtUserMessages, EscapeDeclines)
{
    EXPECT_EQ(Answer(MessageButtons::OkCancel, Escape), MessageAnswer::Cancel);
    EXPECT_EQ(Answer(MessageButtons::YesNo, Escape), MessageAnswer::No);
}

} // namespace
} // namespace kp
