#pragma once
// The lists of the properties window: the recorded instrument settings tab by
// tab, as the header information shows them, and the event marks with their
// times in the view's notation.

#include "view/CursorTexts.h"
#include "view/TextTable.h"

#include <array>
#include <vector>

namespace kp {

class CKpDoc;
class CWaveHeadInfo;

// In the order of the tabs.
enum class PropertyTab { General = 0, Analog, Logic, System, EventMark, Pulse, WaveCalc };
inline constexpr int kPropertyTabs = 7;

using PropertyTables = std::array<TextTable, kPropertyTabs>;

// Every list for the document; times of the event marks in c's notation.
PropertyTables BuildPropertyTables(const CKpDoc& doc, const CursorTextContext& c);

// The tabs the window offers for the lists, in order.
std::vector<int> ShownPropertyTabs(const PropertyTables& tables);

// The tab's title (strings 7001-7007).
std::string PropertyTabName(PropertyTab tab);

// The time of an event mark at point p: its distance from the trigger point
// in the notation (seconds, divisions, day/hour/minute, points).
std::string EventMarkTimeText(const CursorTextContext& c, double timePerDiv, std::int64_t p);

// Where the header records keep the settings the lists show beyond those the
// interpreting accessors read (the header layouts name the items, not their
// fields; Kp and its recording writer use these).
namespace propertyfield {
// Main record.
inline constexpr int kRomVersion = 9;
inline constexpr int kExpand = 19;
inline constexpr int kUseChannel = 23;
inline constexpr int kTrigSource = 24;
inline constexpr int kTrigCondition = 25;
inline constexpr int kTimerTrig = 28; // then start, stop, interval in 29-31
inline constexpr int kManualTrig = 32;
inline constexpr int kExtTrig = 33;
inline constexpr int kTitleSetting = 34;
inline constexpr int kCommentSetting = 35;
// Channel, pulse and logic text records.
inline constexpr int kPosition = 5;
inline constexpr int kLpf = 6;
inline constexpr int kAaf = 7;
inline constexpr int kCoupling = 39;
inline constexpr int kTrig = 9;
inline constexpr int kTrigPattern = 10; // logic records
inline constexpr int kSlope = 11;
inline constexpr int kVariable = 40;
inline constexpr int kPulsePerRotation = 6; // pulse records: pulses per rotation, or the prescaler
inline constexpr int kPulseVariable = 7;
// The variable display's limits: the channel's second record (families 8,
// 9), pulse records.
inline constexpr int kSecondUpper = 39;
inline constexpr int kSecondLower = 40;
inline constexpr int kPulseUpper = 28;
inline constexpr int kPulseLower = 32;
inline constexpr int kLogicCommentSetting = 28;
inline constexpr int kExpandFactor = 31;
inline constexpr int kGraph = 36;
inline constexpr int kDigitalFilter = 15; // family 9: the filter field, no trigger
inline constexpr int kProbeComments = 37; // logic records: probes 1-4 in 37-40
inline constexpr int kFormula = 2; // float (calculation) records
} // namespace propertyfield

} // namespace kp
