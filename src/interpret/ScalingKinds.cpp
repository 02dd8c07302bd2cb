// What kind of channel an index is (calculated, zero-referenced, counter,
// 32-bit), its zero code, its calculation factors and its printing digits.
#include <array>
#include <string>

#include "interpret/Family5Scaling.h"
#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/RangeText.h"
#include "interpret/ScalingFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// Family 8 positioning quantities 240-252: latitude, longitude, altitude,
// direction, speed, distance, the three dilutions of precision, satellites,
// fix mode, geoid height and time bits.
constexpr std::array<int, 13> kFamily8GpsDigits { 7, 8, 5, 4, 5, 9, 2, 2, 2, 1, 1, 3, 1 };

constexpr std::int64_t kZeroCode32 = 0x80000000LL;

} // namespace

bool CWaveHeadInfo::IsCalcChannel(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family0 || GetModelId() == 3)
        return false;
    switch (family) {
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family5:
    case HeaderFamily::Family6:
        return fields::Text(ChannelHeader(ch), 32) == "CAL";
    case HeaderFamily::Family4: {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        return !block.empty() && layout::ByteAt(block, layout::family4::kKind) == 2;
    }
    case HeaderFamily::Family8:
    case HeaderFamily::Family9:
        return ch > 255;
    default:
        return false;
    }
}

bool CWaveHeadInfo::IsZeroReferenced(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    return (family == HeaderFamily::Family8 && ch >= 256 && ch <= 263)
        || (family == HeaderFamily::Family9 && ch >= 256 && ch <= 271);
}

bool CWaveHeadInfo::IsCountMode(int ch) const
{
    return GetModuleKind(ch) == ModuleKind::FreqVolt4113 && GetModeText(ch) == "COUNT";
}

bool CWaveHeadInfo::IsWideChannel(int ch) const
{
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family6:
        return GetSampleBits(ch) == 32;
    case HeaderFamily::Family8:
        return ch >= 240 && ch <= 263;
    case HeaderFamily::Family9:
        return ch >= 256 && ch <= 271;
    default:
        return false;
    }
}

std::int64_t CWaveHeadInfo::GetZeroCode(int ch) const
{
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family2: {
        const ModuleKind kind = GetModuleKind(ch);
        const std::string mode = GetModeText(ch);
        if (kind == ModuleKind::Temperature5572 && mode.starts_with("TMP_"))
            return 17040;
        if (kind == ModuleKind::FreqVolt3491)
            return mode == "POWER CYCLE" ? 768 : 32768;
        return 0;
    }
    case HeaderFamily::Family5:
        // The chunked family's zero code comes from its per-channel chunk
        // entry; without one the signed middle of the code range is zero.
        return family5::ZeroCode(*this, ch);
    case HeaderFamily::Family6:
        if (IsWideChannel(ch))
            return kZeroCode32;
        if (ch >= 0 && layout::UnitFlagged(*this, scaling::UnitOf(ch)))
            return layout::Int32At(layout::UnitBlock(*this, scaling::UnitOf(ch)),
                layout::family6::kZeroCode + 4 * static_cast<std::size_t>(scaling::ChannelInUnit(ch)));
        return -32768;
    case HeaderFamily::Family7:
        return 8192;
    case HeaderFamily::Family8:
        if (GetModuleKind(ch) == ModuleKind::QX4455)
            return 0;
        if (ch >= 240 && ch <= 242)
            return kZeroCode32;
        if (ch == 251)
            return 0x20000;
        if (ch >= 240 && ch <= 255)
            return 0;
        if (ch >= 256 && ch <= 263)
            return kZeroCode32;
        return 32768;
    case HeaderFamily::Family9: {
        if (const auto stored = fields::Integer(ChannelHeader(ch), 12))
            return *stored;
        const ModuleKind kind = GetModuleKind(ch);
        if (kind == ModuleKind::Module4683)
            return 25559;
        if (kind == ModuleKind::Module3354)
            return 0;
        switch (GetSampleBits(ch)) {
        case 16:
            return 32768;
        case 24:
            return 0x800000;
        default:
            return 2048;
        }
    }
    default:
        return 0;
    }
}

int CWaveHeadInfo::GetDisplayDigits(int ch) const
{
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family0:
        return 4;
    case HeaderFamily::Family2:
    case HeaderFamily::Family6:
    case HeaderFamily::Family9:
        return GetSampleBits(ch) < 13 ? 5 : 7;
    case HeaderFamily::Family5:
        // The per-channel chunk entry can ask for 7 digits as well.
        return GetSampleBits(ch) > 12 || family5::WantsMoreDigits(*this, ch) ? 7 : 5;
    case HeaderFamily::Family7:
        return 8;
    case HeaderFamily::Family8:
        if (ch >= 240 && ch <= 252)
            return kFamily8GpsDigits[static_cast<std::size_t>(ch - 240)];
        return IsWideChannel(ch) ? 9 : 7;
    default:
        return 5;
    }
}

double CWaveHeadInfo::GetCalcValuePerCode(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    switch (family) {
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family6:
    case HeaderFamily::Family9:
        return IsCalcChannel(ch) ? fields::Number(ChannelHeader(ch), 33).value_or(1.0) : 1.0;
    case HeaderFamily::Family4: {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        if (block.empty())
            return 1.0;
        return DivideOrInfinite(layout::FloatAt(block, layout::family4::kCalcValue) * 0.05, GetCodesPerDiv(ch));
    }
    case HeaderFamily::Family5:
        return IsCalcChannel(ch) ? family5::StoredValuePerCode(*this, ch) : 1.0;
    case HeaderFamily::Family8:
        return GetValuePerCode(ch);
    default:
        return 1.0;
    }
}

double CWaveHeadInfo::GetCalcOffset(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    switch (family) {
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family6:
    case HeaderFamily::Family9:
        return IsCalcChannel(ch) ? fields::Number(ChannelHeader(ch), scaling::OffsetField(family)).value_or(0.0) : 0.0;
    case HeaderFamily::Family4: {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        return block.empty() ? 0.0 : layout::FloatAt(block, layout::family4::kCalcOffset);
    }
    case HeaderFamily::Family5:
        return IsCalcChannel(ch) ? family5::StoredOffset(*this, ch) : 0.0;
    case HeaderFamily::Family8:
        return GetOffsetValue(ch);
    default:
        return 0.0;
    }
}

} // namespace kp
