#pragma once
// The keys of section "Wave" that the view reads and writes itself (the
// application's settings record holds the rest), and the per-channel values
// kept while "Fi&xed" is on.

#include "app/SettingsKeys.h"
#include "format/SettingsEncoding.h"

namespace kp {

namespace settings {
inline constexpr SettingKey kDrawReverseOrder { kWave, "DrawReverseOrder" };
inline constexpr SettingKey kUseProfileSetting { kWave, "UseProfileSetting" };
inline constexpr SettingKey kJumpMarkColor { kWave, "JumpMarkColor" };
inline constexpr SettingKey kSaveStartMarkColor { kWave, "SaveStartMarkColor" };
inline constexpr SettingKey kSaveEndMarkColor { kWave, "SaveEndMarkColor" };
inline constexpr SettingKey kTriggerMarkColor { kWave, "TriggerMarkColor" };
inline constexpr SettingKey kPostTriggerMarkColor { kWave, "PostTriggerMarkColor" };
inline constexpr SettingKey kEventMarkColor { kWave, "EventMarkColor" };
inline constexpr SettingKey kCurrentEventMarkColor { kWave, "CurrentEventMarkColor" };
inline constexpr SettingKey kTimeDivDetail { kWave, "TimeDivDetail" };
inline constexpr SettingKey kShowControlPanel { kWave, "ShowControlPanel" };
inline constexpr SettingKey kShowProperty { kWave, "ShowProperty" };
inline constexpr SettingKey kShowTrace { kWave, "ShowTrace" };

inline constexpr SettingKey kAnalogWaveColor { kWave, "AnalogWaveColor" };
inline constexpr SettingKey kAnalogWaveZoom { kWave, "AnalogWaveZoom" };
inline constexpr SettingKey kAnalogWavePosition { kWave, "AnalogWavePosition" };
inline constexpr SettingKey kCalcWaveColor { kWave, "CalcWaveColor" };
inline constexpr SettingKey kCalcWaveZoom { kWave, "CalcWaveZoom" };
inline constexpr SettingKey kCalcWavePosition { kWave, "CalcWavePosition" };
inline constexpr SettingKey kPulseWaveColor { kWave, "PulseWaveColor" };
inline constexpr SettingKey kPulseWaveZoom { kWave, "PulseWaveZoom" };
inline constexpr SettingKey kPulseWavePosition { kWave, "PulseWavePosition" };
inline constexpr SettingKey kLogicWaveColor { kWave, "LogicWaveColor" };
} // namespace settings

struct ViewOwnSettings {
    bool drawReverseOrder = false;
    bool useProfileSetting = false;
    RgbColour jumpMark { 255, 255, 255 };
    RgbColour saveStartMark { 0, 0, 255 };
    RgbColour saveEndMark { 255, 0, 0 };
    RgbColour triggerMark { 255, 255, 0 };
    RgbColour postTriggerMark { 255, 0, 0 };
    RgbColour eventMark { 255, 255, 0 };
    RgbColour currentEventMark { 255, 0, 255 };
    bool showControlPanel = false;
    bool showProperty = false;
    bool showTrace = false;

    static ViewOwnSettings Load(const SettingsStore& store);
    // Everything but the tool-window flags, which their windows write when
    // they close.
    void Save(SettingsStore& store) const;
};

} // namespace kp
