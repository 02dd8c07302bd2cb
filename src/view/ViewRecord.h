#pragma once
// What the view knows about the loaded record: the facts of the header that
// it lays out and labels by, and every present channel with its scaling, its
// header display values and the columns it is drawn from. Built once per load
// (ViewRecordBuilder from the document, or directly by a test); the column
// summaries refer to the document's arrays, so a record must not outlive the
// load it was built from.

#include "format/DateTime.h"
#include "format/SettingsEncoding.h"
#include "view/DivisionGeometry.h"
#include "view/TraceColumns.h"
#include "view/TraceScaling.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kp {

inline constexpr int kViewAnalogChannels = 352;
inline constexpr int kViewCalcChannels = 96;
inline constexpr int kViewPulseChannels = 4;
inline constexpr int kViewLogicChannels = 512;

// Display values a header gives a channel; the view starts from these on each
// load (and on "Default").
struct HeaderDisplay {
    bool shown = true;
    std::optional<RgbColour> colour; // none: the default palette
    double zoom = 1.0;
    double position = 0.0;
};

struct ValueChannel {
    int index = 0; // channel number within its class
    std::string name;
    TraceCoding coding = TraceCoding::Signed16;
    TraceScaling scaling;
    HeaderDisplay header;
    std::unique_ptr<ValueColumns> primary; // maxima for envelope records
    std::unique_ptr<ValueColumns> secondary; // minima for envelope records
};

struct LogicChannel {
    int index = 0; // logic channel number: bit index % 32 of group index / 32
    std::string name;
    HeaderDisplay header; // zoom is the height fraction
};

struct ViewRecord {
    std::string fileName; // the title shown in the frame
    std::string filePath; // the file that was loaded
    int modelId = 0;
    std::int64_t points = 0; // N: the points read; the axis, traces and readouts end here
    // The points the header names; more than N when the file was cut short
    // (or changed while it was read) and the part read was kept.
    std::int64_t recordedPoints = 0;
    std::int64_t pointsPerDivision0 = 100;
    std::int64_t pointsPerDivision1 = 100;
    double timePerDiv = 1.0; // seconds
    double sampleInterval = 0.01; // seconds
    int elapsedDigits = 0;
    std::optional<DateTime> triggerMoment;
    double startOffset = 0.0;

    bool hasTrigger = false;
    std::int64_t trigger = -1;
    bool hasPostTrigger = false;
    std::int64_t postTrigger = -1;
    std::vector<std::int64_t> events; // at most 10000

    // External clock: the export dialog fixes its notation to point numbers.
    bool externalClock = false;

    std::vector<ValueChannel> analog; // present channels, in channel order
    std::vector<ValueChannel> calc;
    std::vector<ValueChannel> pulse;
    std::vector<LogicChannel> logic;
    // Logic words per group of 32 channels (index = group), OR side and, for
    // envelope records, AND side; null where a group has no data.
    std::vector<std::unique_ptr<LogicColumns>> logicGroups;
    std::vector<std::unique_ptr<LogicColumns>> logicGroupsSecondary;
    // Every logic channel carries its own name (model groups 6 and 10);
    // otherwise one name stands for each unit of four.
    bool namePerLogicChannel = false;
    std::vector<std::string> logicUnitNames; // by unit (logic channel / 4)

    bool empty() const { return points <= 0; }

    const LogicColumns* LogicGroup(int group) const
    {
        return group >= 0 && group < static_cast<int>(logicGroups.size())
            ? logicGroups[static_cast<std::size_t>(group)].get()
            : nullptr;
    }
    const LogicColumns* LogicGroupSecondary(int group) const
    {
        return group >= 0 && group < static_cast<int>(logicGroupsSecondary.size())
            ? logicGroupsSecondary[static_cast<std::size_t>(group)].get()
            : nullptr;
    }
};

} // namespace kp
