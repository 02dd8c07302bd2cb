#include "view/PropertyWindowSettings.h"

#include "platform/SettingsStore.h"

namespace kp {

namespace {

// An item column and one column per channel, logic unit or pulse.
constexpr std::array<std::size_t, kPropertyTabs> kColumnCounts { 2, 353, 129, 2, 3, 5, 4 };
// Columns without a stored width fit their texts.
constexpr int kDefaultWidth = kFitColumnWidth;

} // namespace

PropertyWindowSettings PropertyWindowSettings::Load(const SettingsStore& store)
{
    PropertyWindowSettings s;
    const std::string rect = ReadText(store, settings::kPropertyPlacement, {});
    if (!rect.empty())
        s.placement = DecodeRect(rect);
    for (std::size_t t = 0; t < s.columnWidths.size(); ++t)
        s.columnWidths[t] = DecodeColumnWidths(
            ReadText(store, settings::kPropertyColumns[t], {}), kColumnCounts[t], kDefaultWidth, kPropertyColumnCap);
    return s;
}

void PropertyWindowSettings::Save(SettingsStore& store) const
{
    if (placement)
        WriteText(store, settings::kPropertyPlacement, EncodeRect(*placement));
    for (std::size_t t = 0; t < columnWidths.size(); ++t)
        WriteText(store, settings::kPropertyColumns[t], EncodeColumnWidths(columnWidths[t]));
}

} // namespace kp
