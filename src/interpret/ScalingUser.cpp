// The user's scaling: an on/off text, a ratio and an offset applied after
// the instrument's own conversion.
#include <string>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/ScalingFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

struct ScalingFieldNumbers {
    int onOff, ratio, offset;
};

ScalingFieldNumbers ScalingFieldsOf(HeaderFamily family)
{
    return family == HeaderFamily::Family0 ? ScalingFieldNumbers { 38, 39, 40 } : ScalingFieldNumbers { 21, 23, 24 };
}

} // namespace

std::string CWaveHeadInfo::GetScalingText(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family4) {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        if (block.empty() || IsCalcChannel(ch))
            return "-";
        switch (layout::ByteAt(block, layout::family4::kScaling)) {
        case 0:
            return "OFF";
        case 1:
            return "ON(SCI)";
        case 2:
            return "ON(ENG)";
        default:
            return "-";
        }
    }
    if (family != HeaderFamily::Family8 && IsCalcChannel(ch))
        return "-";
    const std::string text = fields::Text(ChannelHeader(ch), ScalingFieldsOf(family).onOff);
    return text.empty() ? "-" : text;
}

bool CWaveHeadInfo::IsScalingOn(int ch) const
{
    if (GetHeaderFamily() == HeaderFamily::Family4) {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        return !block.empty() && !IsCalcChannel(ch) && layout::ByteAt(block, layout::family4::kScaling) != 0;
    }
    return GetScalingText(ch).starts_with("ON");
}

double CWaveHeadInfo::GetScalingRatio(int ch) const
{
    if (!IsScalingOn(ch))
        return 1.0;
    const HeaderFamily family = GetHeaderFamily();
    switch (family) {
    case HeaderFamily::Family4:
        return layout::FloatAt(layout::Family4ChannelBlock(*this, ch), layout::family4::kScalingRatio);
    case HeaderFamily::Family7: {
        const auto block = layout::UnitBlock(*this, scaling::UnitOf(ch));
        if (block.empty())
            return 1.0;
        return layout::DoubleAt(
            block, layout::family7::kScalingRatio + 8 * static_cast<std::size_t>(scaling::ChannelInUnit(ch)));
    }
    case HeaderFamily::Family8:
        if (scaling::HasHexDoubles(*this, ch))
            if (const auto hex = fields::HexDouble(ChannelHeader02(ch), 22))
                return *hex;
        [[fallthrough]];
    default:
        return fields::Number(ChannelHeader(ch), ScalingFieldsOf(family).ratio).value_or(1.0);
    }
}

double CWaveHeadInfo::GetScalingOffset(int ch) const
{
    if (!IsScalingOn(ch))
        return 0.0;
    const HeaderFamily family = GetHeaderFamily();
    switch (family) {
    case HeaderFamily::Family4:
        return layout::FloatAt(layout::Family4ChannelBlock(*this, ch), layout::family4::kScalingOffset);
    case HeaderFamily::Family7: {
        const auto block = layout::UnitBlock(*this, scaling::UnitOf(ch));
        if (block.empty())
            return 0.0;
        return layout::DoubleAt(
            block, layout::family7::kScalingOffset + 8 * static_cast<std::size_t>(scaling::ChannelInUnit(ch)));
    }
    case HeaderFamily::Family8:
        if (scaling::HasHexDoubles(*this, ch))
            if (const auto hex = fields::HexDouble(ChannelHeader02(ch), 24))
                return *hex;
        [[fallthrough]];
    default:
        return fields::Number(ChannelHeader(ch), ScalingFieldsOf(family).offset).value_or(0.0);
    }
}

} // namespace kp
