// Pulse channels: unsigned counts times a value per count, plus an offset
// that the user's ratio does not scale.
#include <string>

#include "interpret/HeaderFields.h"
#include "interpret/ModuleKind.h"
#include "interpret/RangeText.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// Field numbers of the pulse text record (same layout as a channel record).
constexpr int kPulseRangeField = 4; // full scale
constexpr int kPulseScalingField = 21; // "ON..." / "OFF"
constexpr int kPulseRatioField = 23;
constexpr int kPulseScalingOffsetField = 24;
constexpr int kPulseResolutionField = 33; // value per count
constexpr int kPulseOffsetField3 = 34;
constexpr int kPulseOffsetField8 = 35;

bool UsesPulseScaling(HeaderFamily family)
{
    return family == HeaderFamily::Family3 || family == HeaderFamily::Family8;
}

} // namespace

bool CWaveHeadInfo::IsPulseScalingOn(int p) const
{
    return fields::Text(PulseHeader(p), kPulseScalingField).starts_with("ON");
}

double CWaveHeadInfo::GetPulseScalingRatio(int p) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (!UsesPulseScaling(family) || !IsPulseScalingOn(p))
        return 1.0;
    if (family == HeaderFamily::Family8 && fields::HexDouble(PulseHeader02(p), 14))
        if (const auto hex = fields::HexDouble(PulseHeader02(p), 22))
            return *hex;
    return fields::Number(PulseHeader(p), kPulseRatioField).value_or(1.0);
}

double CWaveHeadInfo::GetPulseScalingOffset(int p) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (!UsesPulseScaling(family) || !IsPulseScalingOn(p))
        return 0.0;
    if (family == HeaderFamily::Family8 && fields::HexDouble(PulseHeader02(p), 14))
        if (const auto hex = fields::HexDouble(PulseHeader02(p), 24))
            return *hex;
    return fields::Number(PulseHeader(p), kPulseScalingOffsetField).value_or(0.0);
}

double CWaveHeadInfo::GetPulseValuePerCount(int p) const
{
    const HeaderRecord* record = PulseHeader(p);
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family3: {
        if (!record)
            return 1.0;
        if (const auto resolution = fields::Number(record, kPulseResolutionField))
            return *resolution;
        const double fullScale = RangeTextValue(fields::Text(record, kPulseRangeField));
        // The frequency/voltage input counts ten times finer.
        const ModuleKind kind = ModuleTableIndex(fields::Text(record, 2));
        const double d = kind == ModuleKind::FreqVolt3491 ? 5000.0 : 500.0;
        return fullScale / d * 0.1;
    }
    case HeaderFamily::Family8:
        if (const auto hex = fields::HexDouble(PulseHeader02(p), 14))
            return *hex;
        return fields::Number(record, kPulseResolutionField).value_or(1.0);
    default:
        return 1.0;
    }
}

double CWaveHeadInfo::GetPulseOffset(int p) const
{
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family3:
        return fields::Number(PulseHeader(p), kPulseOffsetField3).value_or(0.0);
    case HeaderFamily::Family8:
        if (fields::HexDouble(PulseHeader02(p), 14))
            if (const auto hex = fields::HexDouble(PulseHeader02(p), 16))
                return *hex;
        return fields::Number(PulseHeader(p), kPulseOffsetField8).value_or(0.0);
    default:
        return 0.0;
    }
}

PulseScale CWaveHeadInfo::GetPulseScale(int p) const
{
    return PulseScale { GetPulseScalingRatio(p) * GetPulseValuePerCount(p),
        GetPulseScalingOffset(p) + GetPulseOffset(p) };
}

int CWaveHeadInfo::GetPulseFullScale(int p) const
{
    const double value = RangeTextValue(fields::Text(PulseHeader(p), kPulseRangeField));
    if (!(value >= 1.0))
        return 1;
    return value >= 2147483647.0 ? 2147483647 : static_cast<int>(value);
}

double CWaveHeadInfo::GetPulseValue(int p, std::uint16_t count) const
{
    return GetPulseScale(p).Apply(count);
}

} // namespace kp
