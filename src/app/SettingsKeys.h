#pragma once
// Every section and key of the application's settings record, declared once.
// Windows that keep further keys of their own declare them beside these.

#include "platform/SettingKey.h"

#include <string_view>

namespace kp {

namespace settings {

inline constexpr std::string_view kSave = "Save";
inline constexpr std::string_view kMain = "Main";
inline constexpr std::string_view kWave = "Wave";
inline constexpr std::string_view kProperty = "Property";
inline constexpr std::string_view kTraceAll = "TraceAll";
inline constexpr std::string_view kBlockFile = "BlockFile";
inline constexpr std::string_view kTitle = "Title";
inline constexpr std::string_view kInfo = "Info";
inline constexpr std::string_view kGage = "Gage";
inline constexpr std::string_view kControlPanel = "ControlPanel";

// Export options.
inline constexpr SettingKey kThinOut { kSave, "ThinOut" };
inline constexpr SettingKey kSaveTimeNotation { kSave, "SaveTimeNotation" };
inline constexpr SettingKey kSaveFolder { kSave, "SaveFolder" };
inline constexpr SettingKey kCsvExecute { kSave, "CsvExecute" };
inline constexpr SettingKey kSaveFormat { kSave, "SaveFormat" };
inline constexpr SettingKey kSaveNewLine { kSave, "SaveNewLine" };
inline constexpr SettingKey kSaveHeader { kSave, "SaveHeader" };
inline constexpr SettingKey kSaveChInfo { kSave, "SaveChInfo" };
inline constexpr SettingKey kSaveChHeader { kSave, "SaveChHeader" };
inline constexpr SettingKey kSaveChHeaderType { kSave, "SaveChHeaderType" };
inline constexpr SettingKey kSaveTime { kSave, "SaveTime" };
inline constexpr SettingKey kSaveEventInfo { kSave, "SaveEventInfo" };
inline constexpr SettingKey kSaveExtendSetting { kSave, "SaveExtendSetting" };
inline constexpr SettingKey kSaveSameDir { kSave, "SaveSameDir" };
inline constexpr SettingKey kSaveDivide { kSave, "SaveDivide" };
inline constexpr SettingKey kSaveDivideNum { kSave, "SaveDivideNum" };
inline constexpr SettingKey kSaveJointFile { kSave, "SaveJointFile" };

// Main window and application.
inline constexpr SettingKey kCmdShow { kMain, "CmdShow" };
inline constexpr SettingKey kLoadFolder { kMain, "LoadFolder" };
inline constexpr SettingKey kLoadFilterIndex { kMain, "LoadFilterIndex" };
inline constexpr SettingKey kConvFilterIndex { kMain, "ConvFilterIndex" };
inline constexpr SettingKey kHackMode { kMain, "HackMode" };
// Translucent tool windows and their density in percent.
inline constexpr SettingKey kDlgLayered { kMain, "DlgLayered" };
inline constexpr SettingKey kDlgLayeredBlend { kMain, "DlgLayeredBlend" };
inline constexpr SettingKey kStripApp { kMain, "StripApp" };
inline constexpr SettingKey kMainTextColor { kMain, "TextColor" };
inline constexpr SettingKey kMainBackColor { kMain, "BackColor" };
inline constexpr SettingKey kCustomColor { kMain, "CustomColor" };
inline constexpr SettingKey kMainLogFont { kMain, "LogFont" };

// Waveform view.
inline constexpr SettingKey kWaveStyle { kWave, "WaveStyle" };
inline constexpr SettingKey kWavePenWidth { kWave, "WavePenWidth" };
inline constexpr SettingKey kGridType { kWave, "GridType" };
inline constexpr SettingKey kWaveTimeNotation { kWave, "WaveTimeNotation" };
inline constexpr SettingKey kDrawTrigMark { kWave, "DrawTrigMark" };
inline constexpr SettingKey kDrawSaveMark { kWave, "DrawSaveMark" };
inline constexpr SettingKey kDrawDiv { kWave, "DrawDiv" };
inline constexpr SettingKey kDrawChannel { kWave, "DrawChannel" };
inline constexpr SettingKey kWaveCharColor { kWave, "CharColor" };
inline constexpr SettingKey kWaveBackColor { kWave, "BackColor" };
inline constexpr SettingKey kWaveGridColor { kWave, "GridColor" };
inline constexpr SettingKey kWaveLineColor { kWave, "LineColor" };
inline constexpr SettingKey kWaveLogFont { kWave, "LogFont" };

// The wave control panel's corner, relative to the frame's.
inline constexpr SettingKey kControlPanelPlacement { kControlPanel, "Placement" };

// The colour and font keys that the tool windows and panes share by name.
inline constexpr std::string_view kTextColor = "TextColor";
inline constexpr std::string_view kBackColor = "BackColor";
inline constexpr std::string_view kLineColor = "LineColor";
inline constexpr std::string_view kLogFont = "LogFont";

inline constexpr SettingKey kGageLineColor { kGage, kLineColor };

} // namespace settings
} // namespace kp
