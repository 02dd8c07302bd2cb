#pragma once
// Section "Property": what the properties window keeps between runs.

#include "app/SettingsKeys.h"
#include "format/SettingsEncoding.h"
#include "view/PropertyTables.h"

#include <array>
#include <optional>
#include <vector>

namespace kp {

namespace settings {
inline constexpr SettingKey kPropertyPlacement { kProperty, "Placement" };
// Column widths by tab (PropertyTab order).
inline constexpr std::array<SettingKey, kPropertyTabs> kPropertyColumns { {
    { kProperty, "GeneralColumn" },
    { kProperty, "AnalogColumn" },
    { kProperty, "LogicColumn" },
    { kProperty, "SystemColumn" },
    { kProperty, "EventColumn" },
    { kProperty, "PulseColumn" },
    { kProperty, "WaveCalcColumn" },
} };
} // namespace settings

// No column is shown wider than this, whatever was stored.
inline constexpr int kPropertyColumnCap = 512;

struct PropertyWindowSettings {
    std::optional<SettingsRect> placement; // relative to the main frame
    std::array<std::vector<int>, kPropertyTabs> columnWidths;

    static PropertyWindowSettings Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
};

} // namespace kp
