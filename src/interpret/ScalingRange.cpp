// Range per division and codes per division: the two numbers that set how
// tall a division is, in physical units and in codes.
#include <array>
#include <string>

#include "interpret/Family5Scaling.h"
#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/RangeText.h"
#include "interpret/ScalingFields.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelTables.h"

namespace kp {

namespace {

// The oldest family stores a range index instead of a text.
constexpr std::array<double, 12> kFamily0Ranges { 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100 };

double Family0Range(const CWaveHeadInfo& head, int ch)
{
    const auto records = head.RecordsTagged("HP3518");
    if (records.empty() || ch < 0)
        return 1.0;
    const std::span<const std::uint8_t> block(*records.front());
    const std::size_t at = layout::family0::kRangeIndex + static_cast<std::size_t>(ch);
    if (at >= block.size())
        return 1.0;
    const std::uint8_t index = block[at];
    return index < kFamily0Ranges.size() ? kFamily0Ranges[index] : 1.0;
}

// Family 2 marks power channels with "P" in the use-channel text, one
// character per position.
bool IsFamily2PowerPosition(const CWaveHeadInfo& head, int ch)
{
    const std::string use = FieldText(head.MainRecord(), scaling::kUseChannelField);
    return ch >= 0 && static_cast<std::size_t>(ch) < use.size() && use[static_cast<std::size_t>(ch)] == 'P';
}

// Family 8 positioning quantities and calculation channels.
double Family8SpecialRange(const CWaveHeadInfo& head, int ch)
{
    if (scaling::IsGpsSixthEntrySlot(ch))
        return 0.1;
    if (scaling::IsGpsSeventhEntrySlot(ch))
        return ch == scaling::kGpsTenthsSlot ? 0.1 : 1.0;
    const double stored = fields::HexDouble(head.ChannelHeader02(ch), scaling::kHexValuePerCodeField).value_or(1.0);
    if (ch >= 256)
        return stored * static_cast<double>(fields::Integer(head.ChannelHeader(ch), 41).value_or(1));
    return stored;
}

} // namespace

std::string CWaveHeadInfo::GetRangeText(int ch) const
{
    if (GetHeaderFamily() == HeaderFamily::Family4)
        return layout::TextAt(
            layout::Family4ChannelBlock(*this, ch), layout::family4::kRange, layout::family4::kRangeLength);
    return fields::Text(ChannelHeader(ch), 4);
}

std::string CWaveHeadInfo::GetModeText(int ch) const
{
    return fields::Text(ChannelHeader(ch), 16);
}

int CWaveHeadInfo::GetSampleBits(int ch) const
{
    return fields::ClampToInt(fields::Integer(ChannelHeader(ch), 3).value_or(0));
}

double CWaveHeadInfo::GetRangePerDiv(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    const HeaderRecord* record = ChannelHeader(ch);
    switch (family) {
    case HeaderFamily::Family0:
        return Family0Range(*this, ch);
    case HeaderFamily::Family4: {
        const std::string range = GetRangeText(ch);
        return range.empty() ? 1.0 : RangeTextValue(range, true);
    }
    case HeaderFamily::Family9: {
        const ModuleKind kind = GetModuleKind(ch);
        const std::string range = fields::Text(record, 4);
        if (kind == ModuleKind::Module3354 && GetModeText(ch) == "POWER")
            return 1.0;
        if (kind == ModuleKind::Module4194 && range == "---")
            return 0.1;
        if (range.empty())
            return 1.0;
        return RangeTextValue(range) * GetProbeRatio(ch);
    }
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family3:
    case HeaderFamily::Family5:
    case HeaderFamily::Family6:
    case HeaderFamily::Family7:
    case HeaderFamily::Family8: {
        if (family == HeaderFamily::Family8 && ch >= 240 && ch <= 263)
            return Family8SpecialRange(*this, ch);
        if (!record)
            return 1.0;
        const std::string range = FieldText(*record, 4);
        if (family == HeaderFamily::Family3 && range == "1-5V")
            return 10.0;
        if (GetModuleKind(ch) == ModuleKind::Module3354 && GetModeText(ch) == "POWER")
            return 1.0;
        if (family == HeaderFamily::Family2 && IsFamily2PowerPosition(*this, ch))
            return fields::Number(record, 33).value_or(1.0)
                * static_cast<double>(fields::Integer(record, 41).value_or(1));
        if (range.empty())
            return GetFunctionMode() == kFunctionRms && FieldText(*record, 39) == "ON" ? 0.02 : 0.05;
        return RangeTextValue(range);
    }
    default:
        return 1.0;
    }
}

int CWaveHeadInfo::GetCodesPerDiv(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    switch (family) {
    case HeaderFamily::Family0:
        return fields::ClampToInt(fields::Integer(&MainRecord(), 12).value_or(1));
    case HeaderFamily::Family1:
        return fields::ClampToInt(fields::Integer(&MainRecord(), 14).value_or(1));
    case HeaderFamily::Family4: {
        const auto old = OldHeader();
        const std::string text
            = layout::TextAt(old, layout::family4::kCodesPerDiv, layout::family4::kCodesPerDivLength);
        if (text.find_first_not_of(' ') == std::string::npos)
            return 1;
        return fields::ClampToInt(ParseIntPrefix(text));
    }
    case HeaderFamily::Family7:
        return fields::ClampToInt(fields::Integer(ChannelHeader(ch), 41).value_or(1));
    case HeaderFamily::Family2:
    case HeaderFamily::Family6:
    case HeaderFamily::Family8:
    case HeaderFamily::Family9:
        if (family == HeaderFamily::Family8 && ((ch >= 240 && ch <= 255) || GetModuleKind(ch) == ModuleKind::QX4455))
            return 1;
        return fields::ClampToInt(fields::Integer(ChannelHeader(ch), 41).value_or(1));
    case HeaderFamily::Family3:
        switch (GetModuleKind(ch)) {
        case ModuleKind::LoggerVoltage:
        case ModuleKind::LoggerStrain:
            return 2000;
        case ModuleKind::LoggerThermocouple:
        case ModuleKind::LoggerRtd: {
            const double range = GetRangePerDiv(ch);
            return range == 100.0 ? 1000 : range == 500.0 ? 500 : 400;
        }
        case ModuleKind::LoggerHumidity:
            return 100;
        default:
            return 1;
        }
    default:
        return 1;
    }
}

int CWaveHeadInfo::GetDisplayCodesPerDiv(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family2) {
        const ModuleKind kind = GetModuleKind(ch);
        const std::string mode = GetModeText(ch);
        if (kind == ModuleKind::Current3070 && mode == "5842")
            return scaling::Family2TypeByte(*this, ch) % 3 != 0 ? 1280 : 1600;
        if (kind == ModuleKind::Temperature5572 && mode.starts_with("TMP_"))
            return 1000;
        if (kind == ModuleKind::FreqVolt3491)
            return mode == "COUNT" ? 2000 : 3200;
        return 1600;
    }
    if (family == HeaderFamily::Family9) {
        if (const auto stored = fields::Integer(ChannelHeader(ch), 41))
            return fields::ClampToInt(*stored);
        switch (GetModuleKind(ch)) {
        case ModuleKind::Module4683:
            return 1000;
        case ModuleKind::Module4531:
        case ModuleKind::Y4531:
            return 1250;
        case ModuleKind::Module3354:
            return 500;
        case ModuleKind::Y4793:
            return 80;
        case ModuleKind::QX3571:
        case ModuleKind::Y5538:
            return 204800;
        default:
            break;
        }
        switch (GetSampleBits(ch)) {
        case 12:
            return 100;
        case 16:
            return 1600;
        case 24:
            return 204800;
        default:
            return GetCodesPerDiv(ch);
        }
    }
    // Family 5 takes this from its chunk records; without one it draws with
    // the codes per division like the others.
    if (family == HeaderFamily::Family5)
        return family5::DisplayCodesPerDiv(*this, ch).value_or(GetCodesPerDiv(ch));
    return GetCodesPerDiv(ch);
}

} // namespace kp
