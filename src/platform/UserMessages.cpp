#include "platform/UserMessages.h"

namespace kp {

MessageAnswer SilentMessages::show(const std::string& text, MessageButtons buttons, MessageIcon)
{
    last_ = text;
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return answer_ == MessageAnswer::Cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return answer_ == MessageAnswer::No ? MessageAnswer::No : MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

MessageAnswer RecordingMessages::show(const std::string& text, MessageButtons buttons, MessageIcon icon)
{
    shown_.push_back({ text, buttons, icon });
    if (whileShown_)
        whileShown_();
    if (!script_.empty()) {
        MessageAnswer a = script_.front();
        script_.erase(script_.begin());
        return a;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

} // namespace kp
