// System settings as stored, and the two of them that the view turns into
// numbers: the wave format and the screen width.
#include <array>
#include <string>
#include <string_view>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/TriggerFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// The system record keeps its items in fields 1-14, in the order of the
// system tab: "Start Backup", "Grid Type", "Wave Format", "Channel Marker",
// "Time Value", "List&Gauge", "Back Light Saver", "Display Color", "Beep",
// "Thinout", "Print Density", "Copy Output Device", "Language", "Auto Save".
constexpr int kSystemItemCount = 14;
constexpr int kFirstSystemField = 1;

constexpr std::array<std::string_view, 5> kWaveFormats { "SINGLE", "DUAL", "QUAD", "X-Y", "X-Y QUAD" };

constexpr int kWaveFormatField = 4;
constexpr int kScreenTextField = 5;
constexpr int kFamily8ScreenField = 28;

const HeaderRecord* DisplaySettings(const CWaveHeadInfo& head)
{
    const auto records = head.RecordsTagged("HOF");
    return records.empty() ? nullptr : records.front();
}

} // namespace

std::string CWaveHeadInfo::GetSystemSettingText(int item) const
{
    if (item < 0 || item >= kSystemItemCount)
        return "-";
    const std::string text = fields::Text(SystemHeader(), kFirstSystemField + item);
    return text.empty() ? "-" : text;
}

std::string CWaveHeadInfo::GetPreTriggerText() const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family4)
        return std::to_string(layout::ByteAt(OldHeader(), layout::family4::kPreTrigger)) + "%";
    const std::string text = FieldText(
        MainRecord(), family == HeaderFamily::Family0 ? trigger::kPreTriggerField0 : trigger::kPreTriggerField);
    return text.empty() ? "-" : text;
}

int CWaveHeadInfo::GetWaveFormatIndex() const
{
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family6:
    case HeaderFamily::Family7:
    case HeaderFamily::Family9: {
        const std::string format = fields::Text(DisplaySettings(*this), kWaveFormatField);
        for (std::size_t i = 0; i < kWaveFormats.size(); ++i)
            if (format == kWaveFormats[i])
                return static_cast<int>(i);
        return 0;
    }
    default:
        return 0;
    }
}

int CWaveHeadInfo::GetScreenFlag() const
{
    if (GetModelId() == 3 && fields::Text(DisplaySettings(*this), kScreenTextField) == "WIDE")
        return 0;
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family7:
        if (const HeaderRecord* display = DisplaySettings(*this))
            return (*display)[layout::kDisplayScreenByte];
        return 1;
    case HeaderFamily::Family8:
        return fields::Text(SystemHeader(), kFamily8ScreenField) == "STANDARD" ? 0 : 1;
    default:
        return 1;
    }
}

} // namespace kp
