#include "interpret/Family5Scaling.h"

#include "wavefile/CWaveHeadInfo.h"

namespace kp::family5 {

double StoredValuePerCode(const CWaveHeadInfo& head, int ch)
{
    const auto s = head.GetChunkChannelSettings(ch);
    return s ? s->valuePerCode : 1.0;
}

double StoredOffset(const CWaveHeadInfo& head, int ch)
{
    const auto s = head.GetChunkChannelSettings(ch);
    return s ? s->offset : 0.0;
}

std::optional<int> DisplayCodesPerDiv(const CWaveHeadInfo& head, int ch)
{
    const auto s = head.GetChunkChannelSettings(ch);
    if (!s || s->displayCodesPerDiv < 1)
        return std::nullopt;
    return s->displayCodesPerDiv;
}

std::int64_t ZeroCode(const CWaveHeadInfo& head, int ch)
{
    const auto s = head.GetChunkChannelSettings(ch);
    return s ? s->zeroCode : -32768;
}

bool WantsMoreDigits(const CWaveHeadInfo& head, int ch)
{
    const auto s = head.GetChunkChannelSettings(ch);
    return s && s->HasPrecisionMark();
}

std::string StoredUnitText(const CWaveHeadInfo& head, int ch)
{
    const auto s = head.GetChunkChannelSettings(ch);
    return s ? s->unitText : std::string();
}

} // namespace kp::family5
