#pragma once
// Message boxes with string-table texts. The GUI shows a modal box, the
// unattended conversion stays silent, tests record what would have been shown.

#include <functional>
#include <string>
#include <vector>

namespace kp {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual MessageAnswer show(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;
};

// Shows nothing. Remembers the last text so that a command-line caller can
// print the reason of a failure on one line.
class SilentMessages final : public UserMessages {
public:
    // What a silent caller answers to a question: OK keeps what was read.
    explicit SilentMessages(MessageAnswer answer = MessageAnswer::Ok)
        : answer_(answer)
    {
    }
    MessageAnswer show(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    const std::string& lastText() const { return last_; }

private:
    MessageAnswer answer_;
    std::string last_;
};

// Test double: records every message and answers from a script (then a default).
class RecordingMessages final : public UserMessages {
public:
    struct Shown {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };
    MessageAnswer show(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    void scriptAnswer(MessageAnswer a) { script_.push_back(a); }
    // Runs while each message is up, to look at what is on screen behind it.
    void whileShown(std::function<void()> look) { whileShown_ = std::move(look); }
    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    std::vector<MessageAnswer> script_;
    std::function<void()> whileShown_;
};

} // namespace kp
