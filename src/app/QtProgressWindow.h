#pragma once
// The progress window of the interactive road: a window-modal progress dialog
// with a bar, a text line and Cancel. Cancel does not stop at once: the next
// step() asks "Cancel?" and stops only when the user confirms.

#include "platform/ProgressWindow.h"

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace kp {

class UserMessages;

class QtProgressWindow final : public ProgressWindow {
public:
    explicit QtProgressWindow(UserMessages& messages, QWidget* parent = nullptr);
    ~QtProgressWindow() override;
    QtProgressWindow(const QtProgressWindow&) = delete;
    QtProgressWindow& operator=(const QtProgressWindow&) = delete;

    void begin(const std::string& title, const std::string& text, std::int64_t range) override;
    void setText(const std::string& text) override;
    void setPosition(std::int64_t position) override;
    bool step() override;
    void end() override;

    // The dialog while a progress is shown (tests press its Cancel button).
    QProgressDialog* dialog() const { return dialog_.get(); }

private:
    void Update();

    UserMessages& messages_;
    QPointer<QWidget> parent_;
    std::unique_ptr<QProgressDialog> dialog_;
    std::int64_t range_ = 0;
    std::int64_t position_ = 0;
    bool cancelPressed_ = false;
};

} // namespace kp
