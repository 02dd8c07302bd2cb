#pragma once
// Section "TraceAll": what the trace window keeps between runs.

#include "app/SettingsKeys.h"
#include "format/SettingsEncoding.h"
#include "view/TraceReadout.h"

#include <array>
#include <optional>
#include <vector>

namespace kp {

namespace settings {
inline constexpr SettingKey kTracePlacement { kTraceAll, "Placement" };
inline constexpr SettingKey kTraceNumStyle { kTraceAll, "NumStyle" };
inline constexpr SettingKey kTraceCalcType { kTraceAll, "CalcType" };
inline constexpr SettingKey kTraceNumAddEu { kTraceAll, "NumAddEu" };
// Column widths by tab data; the statistics list last.
inline constexpr std::array<SettingKey, kTraceTabs + 1> kTraceColumns { {
    { kTraceAll, "AnalogColumn" },
    { kTraceAll, "PulseColumn" },
    { kTraceAll, "LogicColumn" },
    { kTraceAll, "AlarmColumn" },
    { kTraceAll, "WaveCalcColumn" },
    { kTraceAll, "StatisticsColumn" },
} };
} // namespace settings

struct TraceWindowSettings {
    std::optional<SettingsRect> placement; // relative to the main frame
    TraceOptions options;
    std::array<std::vector<int>, kTraceTabs + 1> columnWidths;

    static TraceWindowSettings Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
};

} // namespace kp
