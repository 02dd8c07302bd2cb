#pragma once
// The shared modeless progress window of long operations (loading, converting).
// step() polls Cancel; a pressed Cancel is confirmed with "Cancel?" through
// UserMessages, and step() answers false only when the user confirmed.

#include <cstdint>
#include <string>

namespace kp {

class UserMessages;

class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void begin(const std::string& title, const std::string& text, std::int64_t range) = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void setPosition(std::int64_t position) = 0;
    // Advance by one step; false when the user asked to cancel and confirmed it.
    virtual bool step() = 0;
    virtual void end() = 0;
};

// Shows nothing and never cancels.
class NullProgress final : public ProgressWindow {
public:
    void begin(const std::string&, const std::string&, std::int64_t) override { }
    void setText(const std::string&) override { }
    void setPosition(std::int64_t) override { }
    bool step() override { return true; }
    void end() override { }
};

// Test double: presses Cancel at a chosen step and confirms (or not) through
// the given messages, exactly as a user would.
class ScriptedProgress final : public ProgressWindow {
public:
    explicit ScriptedProgress(UserMessages* messages = nullptr, std::int64_t cancelAtStep = -1)
        : messages_(messages)
        , cancelAt_(cancelAtStep)
    {
    }
    void begin(const std::string& title, const std::string& text, std::int64_t range) override;
    void setText(const std::string& text) override { text_ = text; }
    void setPosition(std::int64_t position) override { position_ = position; }
    bool step() override;
    void end() override { ended_ = true; }

    std::int64_t steps() const { return steps_; }
    std::int64_t range() const { return range_; }
    const std::string& title() const { return title_; }
    const std::string& text() const { return text_; }
    bool began() const { return began_; }
    bool ended() const { return ended_; }

private:
    UserMessages* messages_;
    std::int64_t cancelAt_;
    std::int64_t steps_ = 0;
    std::int64_t range_ = 0;
    std::int64_t position_ = 0;
    std::string title_, text_;
    bool began_ = false, ended_ = false;
};

// Asks the "Cancel?" question; true when the user confirmed cancelling.
bool ConfirmCancel(UserMessages& messages);

} // namespace kp
