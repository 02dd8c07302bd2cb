// Identifiers of analog, float and pulse channels ("CH3", "CH2-15", "Z1",
// "W1-2", "P1", "LAT"), as lists, headers and exports print them.
#include <array>
#include <string>
#include <string_view>

#include "interpret/UnitText.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelTables.h"

namespace kp {

namespace {

constexpr std::array<std::string_view, 16> kPowerNames {
    "U1",
    "U2",
    "U3",
    "U4",
    "I1",
    "I2",
    "I3",
    "I4",
    "Z1",
    "Z2",
    "Z3",
    "Z4",
    "Z5",
    "Z6",
    "Z7",
    "Z8",
};

constexpr std::array<std::string_view, 13> kGpsNames {
    "LAT",
    "LON",
    "ALT",
    "DIR",
    "SPD",
    "DST",
    "PDOP",
    "HDOP",
    "VDOP",
    "SAT",
    "MODE",
    "GEOID",
    "TBIT",
};

bool WithPrefix(int style)
{
    return style == 0 || style == 2;
}
bool WithMarker(int style)
{
    return style == 2 || style == 3;
}

std::string UnitChannel(std::string_view prefix, int unit, int channel)
{
    return std::string(prefix) + std::to_string(unit) + "-" + std::to_string(channel);
}

} // namespace

std::string CWaveHeadInfo::GetChannelName(int ch, int style) const
{
    if (ch < 0)
        return {};
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family2 && GetFunctionMode() == kFunctionPow && ch < 16)
        return std::string(kPowerNames[static_cast<std::size_t>(ch)]);

    switch (family) {
    case HeaderFamily::Family5: {
        const std::string marker = WithMarker(style) ? GetChannelMarker(ch) : std::string();
        if (ch > 255)
            return "Z" + std::to_string(ch - 255) + marker;
        return UnitChannel(WithPrefix(style) ? "CH" : "", ch / 16 + 1, ch % 16 + 1) + marker;
    }
    case HeaderFamily::Family8:
        if (ch >= 240 && ch <= 252)
            return std::string(kGpsNames[static_cast<std::size_t>(ch - 240)]);
        if (ch >= 253 && ch <= 255)
            return {};
        if (ch >= 256 && ch <= 263)
            return UnitChannel("W", (ch - 256) / 2 + 1, ch % 2 + 1);
        return UnitChannel(WithPrefix(style) ? "CH" : "", ch / 15 + 1, ch % 15 + 1);
    case HeaderFamily::Family9:
        return UnitChannel(WithPrefix(style) ? "CH" : "", ch / 8 + 1, ch % 8 + 1);
    default:
        return (WithPrefix(style) ? "CH" : "") + std::to_string(ch + 1);
    }
}

std::string CWaveHeadInfo::GetFloatChannelName(int z) const
{
    if (GetHeaderFamily() == HeaderFamily::Family9) {
        if (z < 16)
            return "W" + std::to_string(z + 1);
        if (z < 32)
            return "Z" + std::to_string(z - 15);
        return "CAN" + std::to_string(z - 31);
    }
    return "Z" + std::to_string(z + 1);
}

std::string CWaveHeadInfo::GetPulseChannelName(int p) const
{
    return "P" + std::to_string(p + 1);
}

std::string CWaveHeadInfo::GetChannelNameWithUnit(int ch) const
{
    return JoinNameAndUnit(GetChannelName(ch, 0), GetUnitText(ch));
}

std::string CWaveHeadInfo::GetChannelMarker(int ch) const
{
    const bool flagged = GetHeaderFamily() == HeaderFamily::Family5 && ch >= 0 && ch < kChannelHeaderSlots
        && channelMarker_[static_cast<std::size_t>(ch)];
    return flagged ? "*" : "";
}

std::string CWaveHeadInfo::GetLogicUnitMarker(int unit) const
{
    const bool flagged = GetHeaderFamily() == HeaderFamily::Family5 && unit >= 0 && unit < kLogicHeaderSlots
        && logicUnitMarker_[static_cast<std::size_t>(unit)];
    return flagged ? "*" : "";
}

} // namespace kp
