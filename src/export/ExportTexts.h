#pragma once
// Header texts of the store and channel information that the header
// information record has no accessor for: the record's title, the channels'
// comments, the trigger date and time and the trigger moment they make.
// The header layouts name these texts but not their fields; Kp reads (and its
// recording writer writes) them at the places below.

#include "format/DateTime.h"
#include "interpret/TriggerMoment.h"

#include <string>

namespace kp {

class CWaveHeadInfo;

namespace exporttext {
inline constexpr int kTitleField = 18; // main record
inline constexpr int kTrigDateField = triggermoment::kDateField; // main record
inline constexpr int kTrigTimeField = triggermoment::kTimeField; // main record
inline constexpr int kCommentField = 30; // channel, float, pulse and logic header records
inline constexpr int kRatioField = 23; // channel record (39 in family 0)
inline constexpr int kOffsetField = 24; // channel record (40 in family 0)
inline constexpr int kModuleField = 2; // channel record: the amplifier (input unit)
inline constexpr int kFloatUnitField = 22; // float header record
} // namespace exporttext

std::string RecordTitle(const CWaveHeadInfo& head);
std::string TriggerDateText(const CWaveHeadInfo& head);
std::string TriggerTimeText(const CWaveHeadInfo& head);
// The trigger moment of ReadTriggerMoment; 1970-01-01 00:00:00 when the
// texts do not read as a date.
DateTime TriggerMoment(const CWaveHeadInfo& head);

std::string AnalogComment(const CWaveHeadInfo& head, int ch);
std::string FloatComment(const CWaveHeadInfo& head, int z);
std::string PulseComment(const CWaveHeadInfo& head, int p);
std::string LogicUnitComment(const CWaveHeadInfo& head, int unit);
std::string AmplifierText(const CWaveHeadInfo& head, int ch);
std::string FloatUnitText(const CWaveHeadInfo& head, int z);
// The scaling ratio and offset as the channel record stores them, or, where
// the family stores them in binary form, the numbers of the scaling
// accessors with every stored digit and the locale's decimal separator.
std::string ScalingRatioText(const CWaveHeadInfo& head, int ch);
std::string ScalingOffsetText(const CWaveHeadInfo& head, int ch);

} // namespace kp
