#include "view/ViewSettings.h"

namespace kp {

ViewOwnSettings ViewOwnSettings::Load(const SettingsStore& store)
{
    using namespace settings;
    ViewOwnSettings s;
    s.drawReverseOrder = ReadInt(store, kDrawReverseOrder, 0) != 0;
    s.useProfileSetting = ReadInt(store, kUseProfileSetting, 0) != 0;
    s.jumpMark = ReadColour(store, kJumpMarkColor, s.jumpMark);
    s.saveStartMark = ReadColour(store, kSaveStartMarkColor, s.saveStartMark);
    s.saveEndMark = ReadColour(store, kSaveEndMarkColor, s.saveEndMark);
    s.triggerMark = ReadColour(store, kTriggerMarkColor, s.triggerMark);
    s.postTriggerMark = ReadColour(store, kPostTriggerMarkColor, s.postTriggerMark);
    s.eventMark = ReadColour(store, kEventMarkColor, s.eventMark);
    s.currentEventMark = ReadColour(store, kCurrentEventMarkColor, s.currentEventMark);
    s.showControlPanel = ReadInt(store, kShowControlPanel, 0) != 0;
    s.showProperty = ReadInt(store, kShowProperty, 0) != 0;
    s.showTrace = ReadInt(store, kShowTrace, 0) != 0;
    return s;
}

void ViewOwnSettings::Save(SettingsStore& store) const
{
    using namespace settings;
    WriteInt(store, kDrawReverseOrder, drawReverseOrder ? 1 : 0);
    WriteInt(store, kUseProfileSetting, useProfileSetting ? 1 : 0);
    WriteColour(store, kJumpMarkColor, jumpMark);
    WriteColour(store, kSaveStartMarkColor, saveStartMark);
    WriteColour(store, kSaveEndMarkColor, saveEndMark);
    WriteColour(store, kTriggerMarkColor, triggerMark);
    WriteColour(store, kPostTriggerMarkColor, postTriggerMark);
    WriteColour(store, kEventMarkColor, eventMark);
    WriteColour(store, kCurrentEventMarkColor, currentEventMark);
}

} // namespace kp
