#pragma once
// Where a channel's trigger settings are stored in its channel text record
// (the header layouts name the texts but not all of their fields; Kp and its
// recording writer use these). Families 7 and 8 keep level and filter in the
// channel's second record.

namespace kp::trigger {

inline constexpr int kKindField = 9; // "LEVEL", "IN", "WINDOW OUT", ...
inline constexpr int kLevelField = 10;
inline constexpr int kSlopeField = 11;
inline constexpr int kLowerField = 13; // lower limit
inline constexpr int kUpperField = 14; // upper limit
inline constexpr int kFilterField = 15;
inline constexpr int kFrequencyField = 17; // voltage-drop trigger
inline constexpr int kWidthField = 18; // glitch and slope triggers
inline constexpr int kEventCountField = 19;
inline constexpr int kJudgeBaseField = 20;
inline constexpr int kJudgeWidthField = 25;
inline constexpr int kJudgeVoltField = 26;
inline constexpr int kSlopeLevelField = 29; // level of the slope trigger

inline constexpr int kSecondLevelField = 4; // families 7, 8: second record
inline constexpr int kSecondFilterField = 9; // families 7, 8: second record

// In the old header only the first eight channels carry trigger settings.
inline constexpr int kFamily4TriggerChannels = 8;

// Main record: trigger mode (field 13 in family 0, 16 elsewhere) and the
// pre-trigger / trigger timing text (field 14 in family 0, 17 elsewhere).
inline constexpr int kModeField0 = 13;
inline constexpr int kModeField = 16;
inline constexpr int kPreTriggerField0 = 14;
inline constexpr int kPreTriggerField = 17;

} // namespace kp::trigger
