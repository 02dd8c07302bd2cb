// The factors an amplifier applies in front of the converter: vernier, probe
// and invert.
#include <array>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/ScalingFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace scaling {

int Family2TypeByte(const CWaveHeadInfo& head, int ch)
{
    if (ch < 0)
        return 0;
    return layout::ByteAt(
        layout::UnitBlock(head, UnitOf(ch)), layout::family2::kType + static_cast<std::size_t>(ChannelInUnit(ch)));
}

bool HasHexDoubles(const CWaveHeadInfo& head, int ch)
{
    const HeaderFamily family = head.GetHeaderFamily();
    return (family == HeaderFamily::Family8 || family == HeaderFamily::Family9)
        && fields::HexDouble(head.ChannelHeader02(ch), scaling::kHexValuePerCodeField).has_value();
}

} // namespace scaling

namespace {

// A vernier stored as a signed deviation in thousandths.
double VernierFromDeviation(long long v)
{
    return static_cast<double>(v + 1000) * 0.001;
}

// An integer probe ratio of 0 would erase the channel; it means "not set".
double ProbeOrOne(long long ratio)
{
    return ratio == 0 ? 1.0 : static_cast<double>(ratio);
}

} // namespace

double CWaveHeadInfo::GetVernier(int ch) const
{
    if (ch < 0)
        return 1.0;
    const HeaderFamily family = GetHeaderFamily();
    const int unit = scaling::UnitOf(ch);
    const std::size_t n = static_cast<std::size_t>(scaling::ChannelInUnit(ch));
    double vernier = 1.0;
    switch (family) {
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family5:
    case HeaderFamily::Family6:
    case HeaderFamily::Family9:
        if (IsCalcChannel(ch))
            return 1.0;
        if (family == HeaderFamily::Family2 && layout::UnitFlagged(*this, unit))
            vernier = VernierFromDeviation(
                layout::Int16At(layout::UnitBlock(*this, unit), layout::family2::kVernier + 2 * n));
        else if (family == HeaderFamily::Family6 && layout::UnitFlagged(*this, unit))
            vernier = VernierFromDeviation(
                layout::Int16At(layout::UnitBlock(*this, unit), layout::family6::kVernier + 2 * n));
        else if (const auto percent = fields::Number(ChannelHeader(ch), 28))
            vernier = *percent * 0.01;
        break;
    case HeaderFamily::Family8:
        if (const auto v = fields::Integer(ChannelHeader02(ch), 12))
            vernier = VernierFromDeviation(*v);
        break;
    default:
        break;
    }
    return vernier == 0.0 ? 1.0 : vernier;
}

double CWaveHeadInfo::GetProbeRatio(int ch) const
{
    if (ch < 0)
        return 1.0;
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family6: {
        const int unit = scaling::UnitOf(ch);
        if (!layout::UnitFlagged(*this, unit))
            return 1.0;
        static constexpr std::array<double, 4> kRatios { 1, 10, 100, 1000 };
        const std::uint8_t index = layout::ByteAt(layout::UnitBlock(*this, unit),
            layout::family6::kProbe + static_cast<std::size_t>(scaling::ChannelInUnit(ch)));
        return index < kRatios.size() ? kRatios[index] : 1.0;
    }
    case HeaderFamily::Family8:
        return ProbeOrOne(fields::Integer(ChannelHeader(ch), 38).value_or(1));
    case HeaderFamily::Family9: {
        const std::string probe = fields::Text(ChannelHeader(ch), 38);
        if (probe.find_first_not_of(' ') == std::string::npos)
            return 1.0;
        // "1:10" names the attenuation; a plain number is the ratio itself.
        return ProbeOrOne(ParseIntPrefix(probe.starts_with("1:") ? std::string_view(probe).substr(2) : probe));
    }
    default:
        return 1.0;
    }
}

int CWaveHeadInfo::GetInvertSign(int ch) const
{
    if (ch < 0)
        return 1;
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family6: {
        const int unit = scaling::UnitOf(ch);
        if (!layout::UnitFlagged(*this, unit))
            return 1;
        return layout::ByteAt(layout::UnitBlock(*this, unit),
                   layout::family6::kInvert + static_cast<std::size_t>(scaling::ChannelInUnit(ch)))
                == 1
            ? -1
            : 1;
    }
    case HeaderFamily::Family8:
        return fields::Text(ChannelHeader02(ch), 13) == "ON" ? -1 : 1;
    case HeaderFamily::Family9:
        return fields::Text(ChannelHeader(ch), 37) == "ON" ? -1 : 1;
    default:
        return 1;
    }
}

} // namespace kp
