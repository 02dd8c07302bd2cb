#pragma once
// The keys of section "Main" that the main frame reads when it is created and
// writes when it closes.

#include "app/SettingsKeys.h"
#include "format/SettingsEncoding.h"

#include <optional>
#include <string>
#include <vector>

namespace kp {

namespace settings {
inline constexpr SettingKey kFrameTitle { kMain, "Title" };
inline constexpr SettingKey kGageLeft { kMain, "GageLeft" };
inline constexpr SettingKey kGageLeftNum { kMain, "GageLeftNum" };
inline constexpr SettingKey kGageLeftWidth { kMain, "GageLeftWidth" };
inline constexpr SettingKey kGageRightWidth { kMain, "GageRightWidth" };
inline constexpr SettingKey kGageFixColor { kMain, "GageFixColor" };
inline constexpr SettingKey kGageNumStyle { kMain, "GageNumStyle" };
inline constexpr SettingKey kGageNumAddEu { kMain, "GageNumAddEu" };
inline constexpr SettingKey kRemark { kMain, "Remark" };
inline constexpr SettingKey kRemarkRatio { kMain, "RemarkRatio" };
inline constexpr SettingKey kRemarkColumn { kMain, "RemarkColumn" };
inline constexpr SettingKey kEnableNavigation { kMain, "EnableNavigation" };
inline constexpr SettingKey kFixWindowPos { kMain, "FixWindowPos" };
inline constexpr SettingKey kPlacement { kMain, "Placement" };
inline constexpr SettingKey kToolbar { kMain, "Toolbar" };
} // namespace settings

// Values outside 2 .. 10 become 5.
int ValidRemarkRatio(int ratio);
// 0 becomes 1, values above 64 become 64.
int ValidGaugeCount(int count);

struct FrameSettings {
    bool title = false;
    bool gageLeft = false;
    int gageLeftNum = 4;
    int gageLeftWidth = 60;
    int gageRightWidth = 60;
    bool gageFixColor = false;
    int gageNumStyle = 0;
    bool gageNumAddEu = false;
    bool remark = false;
    int remarkRatio = 5;
    std::string remarkColumn; // widths of the remark list's columns, as stored
    bool enableNavigation = true;
    bool fixWindowPos = false;
    std::optional<SettingsRect> placement; // normal window rectangle
    std::vector<std::uint8_t> toolbarState;

    static FrameSettings Load(const SettingsStore& store);
    // In the order of closing: placement, bars, panes, navigation, position.
    void Save(SettingsStore& store) const;
};

} // namespace kp
