#include "view/FrameSettings.h"

#include "platform/SettingsStore.h"

#include <algorithm>

namespace kp {

int ValidRemarkRatio(int ratio)
{
    return ratio >= 2 && ratio <= 10 ? ratio : 5;
}

int ValidGaugeCount(int count)
{
    return std::clamp(count, 1, 64);
}

FrameSettings FrameSettings::Load(const SettingsStore& store)
{
    using namespace settings;
    FrameSettings s;
    s.title = ReadInt(store, kFrameTitle, 0) != 0;
    s.gageLeft = ReadInt(store, kGageLeft, 0) != 0;
    s.gageLeftNum = ValidGaugeCount(ReadInt(store, kGageLeftNum, 4));
    s.gageLeftWidth = ReadInt(store, kGageLeftWidth, 60);
    s.gageRightWidth = ReadInt(store, kGageRightWidth, 60);
    s.gageFixColor = ReadInt(store, kGageFixColor, 0) != 0;
    s.gageNumStyle = ReadInt(store, kGageNumStyle, 0);
    s.gageNumAddEu = ReadInt(store, kGageNumAddEu, 0) != 0;
    s.remark = ReadInt(store, kRemark, 0) != 0;
    s.remarkRatio = ValidRemarkRatio(ReadInt(store, kRemarkRatio, 5));
    s.remarkColumn = ReadText(store, kRemarkColumn, "");
    s.enableNavigation = ReadInt(store, kEnableNavigation, 1) != 0;
    s.fixWindowPos = ReadInt(store, kFixWindowPos, 0) != 0;
    const std::string placement = ReadText(store, kPlacement, "");
    if (auto rect = DecodeRect(placement))
        s.placement = *rect;
    if (auto bytes = store.readBinary(std::string(kToolbar.section), std::string(kToolbar.key)))
        s.toolbarState = *bytes;
    return s;
}

void FrameSettings::Save(SettingsStore& store) const
{
    using namespace settings;
    if (placement)
        WriteText(store, kPlacement, EncodeRect(*placement));
    store.writeBinary(std::string(kToolbar.section), std::string(kToolbar.key), toolbarState);
    WriteInt(store, kFrameTitle, title ? 1 : 0);
    if (!remarkColumn.empty())
        WriteText(store, kRemarkColumn, remarkColumn);
    WriteInt(store, kRemark, remark ? 1 : 0);
    WriteInt(store, kRemarkRatio, remarkRatio);
    WriteInt(store, kGageLeft, gageLeft ? 1 : 0);
    WriteInt(store, kGageLeftNum, gageLeftNum);
    WriteInt(store, kGageFixColor, gageFixColor ? 1 : 0);
    WriteInt(store, kGageNumStyle, gageNumStyle);
    WriteInt(store, kGageNumAddEu, gageNumAddEu ? 1 : 0);
    WriteInt(store, kEnableNavigation, enableNavigation ? 1 : 0);
    WriteInt(store, kFixWindowPos, fixWindowPos ? 1 : 0);
}

} // namespace kp
