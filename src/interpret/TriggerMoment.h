#pragma once
// The moment the record was triggered, from the main record's trigger date
// and time texts. The export's date notation and the view's date labels both
// count from it, so they read the texts through this one place.

#include "format/DateTime.h"

#include <optional>

namespace kp {

class CWaveHeadInfo;

namespace triggermoment {
inline constexpr int kDateField = 7; // main record: "yy-MM-dd" or "yyyy-MM-dd" ("/" and "." also)
inline constexpr int kTimeField = 8; // main record: "HH:mm:ss", optionally with a fraction "HH:mm:ss.fff"
} // namespace triggermoment

// The trigger date and time as a moment to the whole second; nothing when the
// record has no main record (family 4) or its date does not read as a date
// (fewer than three numbers, a month 13, a 31 April). Two-digit years are
// 1970-2069. Time parts that are missing or out of range read as 0.
std::optional<DateTime> ReadTriggerMoment(const CWaveHeadInfo& head);

// The fraction of a second that the trigger time text carries after its
// seconds ("12:00:05.25" gives 0.25), which a moment to the second cannot
// hold; 0 without one.
double ReadTriggerStartOffset(const CWaveHeadInfo& head);

} // namespace kp
