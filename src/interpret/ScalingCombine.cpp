// The one rule that turns a channel's codes into physical values. Everything
// that shows or writes a value converts through GetChannelScale.
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

ChannelScale CWaveHeadInfo::GetChannelScale(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    ChannelScale s;
    s.unsignedCodes = family == HeaderFamily::Family5 || family == HeaderFamily::Family6
        || family == HeaderFamily::Family8 || family == HeaderFamily::Family9;
    const double ratio = GetScalingRatio(ch);
    const double scalingOffset = GetScalingOffset(ch);

    if (IsZeroReferenced(ch)) {
        s.rule = ChannelScale::Rule::ZeroReferenced;
        s.scale = GetValuePerCode(ch) * ratio;
        s.offset = scalingOffset;
        s.zeroCode = GetZeroCode(ch);
    } else if (IsCalcChannel(ch)) {
        s.scale = GetCalcValuePerCode(ch) * ratio;
        s.offset = GetCalcOffset(ch) * ratio + scalingOffset;
    } else if (family == HeaderFamily::Family5 && IsCountMode(ch)) {
        // Counters report whole counts; the user's scaling applies to those.
        s.rule = ChannelScale::Rule::Count;
        s.countScale = GetValuePerCode(ch);
        s.countOffset = GetOffsetValue(ch);
        s.scale = ratio;
        s.offset = scalingOffset;
    } else {
        s.scale = GetValuePerCode(ch) * ratio;
        s.offset = GetOffsetValue(ch) * ratio + scalingOffset;
    }
    return s;
}

double CWaveHeadInfo::GetPhysicalValue(int ch, std::uint16_t code) const
{
    return GetChannelScale(ch).Apply16(code);
}

double CWaveHeadInfo::GetPhysicalValueWide(int ch, std::uint32_t code) const
{
    return GetChannelScale(ch).Apply32(code);
}

} // namespace kp
