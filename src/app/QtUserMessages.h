#pragma once
// Message boxes of the interactive road: one modal QMessageBox per message,
// titled with the program's name.

#include "platform/UserMessages.h"

#include <QPointer>
#include <QWidget>

namespace kp {

class QtUserMessages final : public UserMessages {
public:
    explicit QtUserMessages(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void setParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer show(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    // Messages shown so far; a caller tells from it whether a failure has
    // already been explained.
    int shownCount() const { return shown_; }

private:
    QPointer<QWidget> parent_;
    int shown_ = 0;
};

} // namespace kp
