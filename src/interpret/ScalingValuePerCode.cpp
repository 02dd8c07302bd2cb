// The physical value of one code and the offset, before the user's scaling.
#include <string>

#include "interpret/Family5Scaling.h"
#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/RangeText.h"
#include "interpret/ScalingFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// A charge amplifier's sensitivity (in thousandths) selects the band whose
// upper edge scales the range; a sensitivity between the bands is treated as
// 1 with factor 1.
struct ChargeBand {
    double factor;
    double sensitivity;
};

ChargeBand ChargeBandOf(int milli)
{
    struct Band {
        int low, high;
        double factor;
    };
    static constexpr Band kBands[] = {
        { 100, 250, 0.25 },
        { 260, 500, 0.5 },
        { 510, 1000, 1.0 },
        { 1010, 2500, 2.5 },
        { 2510, 5000, 5.0 },
        { 5010, 10000, 10.0 },
    };
    for (const Band& b : kBands)
        if (milli >= b.low && milli <= b.high)
            return { b.factor, milli * 0.001 };
    return { 1.0, 1.0 };
}

// The factor of a current input on the frequency/voltage module: 1.25 on the
// ranges that the unit block marks.
double CurrentFactor(std::span<const std::uint8_t> block, std::size_t n)
{
    constexpr std::uint8_t kCurrentInput = 6;
    const std::uint8_t type = layout::ByteAt(block, layout::family1::kInputType + n);
    const int bits = layout::ByteAt(block, layout::family1::kCurrentBits + n) & 0x3;
    return type == kCurrentInput && (bits == 1 || bits == 2) ? 1.25 : 1.0;
}

} // namespace

double CWaveHeadInfo::GetValuePerCode(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    const HeaderRecord* record = ChannelHeader(ch);
    const auto stored = fields::Number(record, scaling::kValuePerCodeField);
    auto rangePerCode = [&] { return DivideOrInfinite(GetRangePerDiv(ch), GetCodesPerDiv(ch)); };
    const std::size_t n = ch < 0 ? 0 : static_cast<std::size_t>(scaling::ChannelInUnit(ch));
    const int unit = ch < 0 ? -1 : scaling::UnitOf(ch);

    switch (family) {
    case HeaderFamily::Family0:
    case HeaderFamily::Family4:
        return rangePerCode();
    case HeaderFamily::Family1: {
        const double v = GetVernier(ch);
        if (stored)
            return *stored * v;
        const ModuleKind kind = GetModuleKind(ch);
        const std::string mode = GetModeText(ch);
        const auto block = layout::UnitBlock(*this, unit);
        if (kind == ModuleKind::FreqVolt4113) {
            if (mode == "DUTY")
                return v * 0.0625;
            if (mode == "FREQUENCY" && GetRangeText(ch).starts_with('P'))
                return v * 0.01;
            if (mode == "CURRENT")
                return DivideOrInfinite(v * GetRangePerDiv(ch) * CurrentFactor(block, n), GetCodesPerDiv(ch));
            return v * rangePerCode();
        }
        if (kind == ModuleKind::Charge3599) {
            if (layout::ByteAt(block, layout::family1::kChargeMode + n) == 2)
                return v * rangePerCode();
            const ChargeBand band = ChargeBandOf(layout::Int16At(block, layout::family1::kSensitivity + 2 * n));
            return DivideOrInfinite(v * GetRangePerDiv(ch) * band.factor / band.sensitivity, GetCodesPerDiv(ch));
        }
        return v * rangePerCode();
    }
    case HeaderFamily::Family2: {
        const double v = GetVernier(ch);
        if (GetModuleKind(ch) == ModuleKind::Current3070 && GetModeText(ch) == "5842")
            return v * GetRangePerDiv(ch) / (scaling::Family2TypeByte(*this, ch) % 3 != 0 ? 1280.0 : 1600.0);
        return stored ? *stored * v : 1.0;
    }
    case HeaderFamily::Family3: {
        const double v = GetVernier(ch);
        return stored ? *stored * v : v * rangePerCode() * 0.1;
    }
    case HeaderFamily::Family5:
        return family5::StoredValuePerCode(*this, ch) * GetVernier(ch);
    case HeaderFamily::Family6:
        if (unit >= 0 && layout::UnitFlagged(*this, unit))
            return layout::DoubleAt(layout::UnitBlock(*this, unit), layout::family6::kValuePerCode + 8 * n)
                * GetProbeRatio(ch) * GetInvertSign(ch) * GetVernier(ch);
        return stored.value_or(1.0);
    case HeaderFamily::Family7: {
        const auto block = layout::UnitBlock(*this, unit);
        if (!block.empty())
            return layout::DoubleAt(block, layout::family7::kValuePerCode + 8 * n) * GetProbeRatio(ch)
                * GetInvertSign(ch) * GetVernier(ch);
        return stored.value_or(1.0);
    }
    case HeaderFamily::Family8:
        if (GetModuleKind(ch) == ModuleKind::QX4455)
            return 1.0;
        if (scaling::IsGpsSixthEntrySlot(ch))
            return 0.1;
        if (scaling::IsGpsSeventhEntrySlot(ch))
            return ch == scaling::kGpsTenthsSlot ? 0.1 : 1.0;
        if (scaling::HasHexDoubles(*this, ch))
            return *fields::HexDouble(ChannelHeader02(ch), scaling::kHexValuePerCodeField) * GetProbeRatio(ch)
                * GetInvertSign(ch) * GetVernier(ch);
        return stored.value_or(1.0);
    case HeaderFamily::Family9:
        if (scaling::HasHexDoubles(*this, ch))
            return *fields::HexDouble(ChannelHeader02(ch), scaling::kHexValuePerCodeField) * GetProbeRatio(ch)
                * GetInvertSign(ch) * GetVernier(ch);
        // The stored value already includes the user's ratio.
        if (IsScalingOn(ch))
            return DivideOrInfinite(stored.value_or(1.0), GetScalingRatio(ch));
        return stored.value_or(1.0);
    default:
        return 1.0;
    }
}

double CWaveHeadInfo::GetOffsetValue(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    const auto stored = fields::Number(ChannelHeader(ch), scaling::OffsetField(family));
    const std::size_t n = ch < 0 ? 0 : static_cast<std::size_t>(scaling::ChannelInUnit(ch));
    const int unit = ch < 0 ? -1 : scaling::UnitOf(ch);

    switch (family) {
    case HeaderFamily::Family1:
        if (stored)
            return *stored;
        if (GetModuleKind(ch) == ModuleKind::FreqVolt4113 && GetModeText(ch) == "FREQUENCY") {
            // Frequency ranges around the mains frequency ("P50...", "P60...")
            // are shown as a deviation from it.
            const std::string range = GetRangeText(ch);
            if (range.starts_with('P'))
                return range.size() > 1 && range[1] == '5' ? 50.0 : 60.0;
        }
        return 0.0;
    case HeaderFamily::Family2:
        return stored.value_or(0.0);
    case HeaderFamily::Family5: {
        const double v = GetVernier(ch);
        if (GetModuleKind(ch) == ModuleKind::FreqVolt4113 && GetModeText(ch) == "POWER CYCLE") {
            const double f0 = GetRangeText(ch).starts_with('5') ? 50.0 : 60.0;
            return (family5::StoredOffset(*this, ch) - f0) * v + f0;
        }
        return family5::StoredOffset(*this, ch) * v;
    }
    case HeaderFamily::Family6:
        if (unit >= 0 && layout::UnitFlagged(*this, unit))
            return layout::DoubleAt(layout::UnitBlock(*this, unit), layout::family6::kOffset + 8 * n)
                * GetProbeRatio(ch) * GetInvertSign(ch) * GetVernier(ch);
        return stored.value_or(0.0);
    case HeaderFamily::Family7: {
        const auto block = layout::UnitBlock(*this, unit);
        if (!block.empty())
            return layout::DoubleAt(block, layout::family7::kOffset + 8 * n) * GetProbeRatio(ch) * GetInvertSign(ch)
                * GetVernier(ch);
        return stored.value_or(0.0);
    }
    case HeaderFamily::Family8:
        if (GetModuleKind(ch) == ModuleKind::QX4455 || scaling::IsGpsSixthEntrySlot(ch))
            return 0.0;
        if (scaling::IsGpsSeventhEntrySlot(ch))
            return ch == scaling::kGpsTenthsSlot ? -13107.2 : 0.0;
        if (scaling::HasHexDoubles(*this, ch))
            return fields::HexDouble(ChannelHeader02(ch), scaling::kHexOffsetField).value_or(0.0) * GetProbeRatio(ch)
                * GetInvertSign(ch) * GetVernier(ch);
        return stored.value_or(0.0);
    case HeaderFamily::Family9:
        if (scaling::HasHexDoubles(*this, ch))
            return fields::HexDouble(ChannelHeader02(ch), scaling::kHexOffsetField).value_or(0.0) * GetProbeRatio(ch)
                * GetInvertSign(ch) * GetVernier(ch);
        // The stored offset already includes the user's scaling.
        if (IsScalingOn(ch))
            return DivideOrInfinite(stored.value_or(0.0) - GetScalingOffset(ch), GetScalingRatio(ch));
        return stored.value_or(0.0);
    default:
        return 0.0;
    }
}

} // namespace kp
