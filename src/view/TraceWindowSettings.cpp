#include "view/TraceWindowSettings.h"

#include "platform/SettingsStore.h"

#include <string>

namespace kp {

namespace {

constexpr std::array<std::size_t, kTraceTabs + 1> kColumnCounts { 5, 5, 4, 4, 5, 8 };
// Columns without a stored width fit their texts.
constexpr int kDefaultWidth = kFitColumnWidth;

// An out-of-range stored choice falls back to the first.
int Choice(int value, int count)
{
    return value >= 0 && value < count ? value : 0;
}

} // namespace

TraceWindowSettings TraceWindowSettings::Load(const SettingsStore& store)
{
    TraceWindowSettings s;
    const std::string rect = ReadText(store, settings::kTracePlacement, {});
    if (!rect.empty())
        s.placement = DecodeRect(rect);
    s.options.format.style = static_cast<TraceNumStyle>(Choice(ReadInt(store, settings::kTraceNumStyle, 0), 3));
    s.options.calc = static_cast<TraceCalcType>(Choice(ReadInt(store, settings::kTraceCalcType, 0), 6));
    s.options.format.withUnit = ReadInt(store, settings::kTraceNumAddEu, 0) != 0;
    for (std::size_t t = 0; t < s.columnWidths.size(); ++t)
        s.columnWidths[t]
            = DecodeColumnWidths(ReadText(store, settings::kTraceColumns[t], {}), kColumnCounts[t], kDefaultWidth);
    return s;
}

void TraceWindowSettings::Save(SettingsStore& store) const
{
    if (placement)
        WriteText(store, settings::kTracePlacement, EncodeRect(*placement));
    WriteInt(store, settings::kTraceNumStyle, static_cast<int>(options.format.style));
    WriteInt(store, settings::kTraceCalcType, static_cast<int>(options.calc));
    WriteInt(store, settings::kTraceNumAddEu, options.format.withUnit ? 1 : 0);
    for (std::size_t t = 0; t < columnWidths.size(); ++t)
        WriteText(store, settings::kTraceColumns[t], EncodeColumnWidths(columnWidths[t]));
}

} // namespace kp
