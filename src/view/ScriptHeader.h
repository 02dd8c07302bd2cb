#pragma once
// The header of a recording as a script reads it: the facts a text file's
// header section states, as numbers where the header holds numbers, and the
// properties window's lists tab by tab with their texts as the window shows
// them.

#include "view/TextTable.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace kp {

class ScriptRecording;

struct ScriptHeaderFact {
    std::string key;
    std::variant<std::string, std::int64_t, double, bool> value;
};

// In a fixed order: file, title, model, function, family, shot,
// time_per_div, interval, trigger_date, trigger_time, trigger_point,
// points, recorded_points, cut_short.
std::vector<ScriptHeaderFact> ScriptHeaderFacts(const ScriptRecording& recording);

struct ScriptPropertyList {
    std::string tab; // the tab's title
    TextTable table;
};

// Every tab that lists something for this record, in the window's order; event times in seconds.
std::vector<ScriptPropertyList> ScriptPropertyLists(const ScriptRecording& recording);

} // namespace kp
