#include "platform/ProgressWindow.h"

#include "platform/UserMessages.h"
#include "resources/StringTable.h"

namespace kp {

bool ConfirmCancel(UserMessages& messages)
{
    return messages.show(std::string(KpString(IDS_CANCEL_QUESTION)), MessageButtons::OkCancel, MessageIcon::Question)
        == MessageAnswer::Ok;
}

void ScriptedProgress::begin(const std::string& title, const std::string& text, std::int64_t range)
{
    began_ = true;
    ended_ = false;
    title_ = title;
    text_ = text;
    range_ = range;
}

bool ScriptedProgress::step()
{
    ++steps_;
    if (cancelAt_ >= 0 && steps_ == cancelAt_) {
        if (messages_ == nullptr)
            return false;
        return !ConfirmCancel(*messages_);
    }
    return true;
}

} // namespace kp
