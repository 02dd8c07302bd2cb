#include "view/GaugeChannels.h"

#include "export/ExportTexts.h"
#include "view/ChannelDisplayState.h"
#include "view/TraceScaling.h"
#include "view/ViewRecord.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelScale.h"

#include <functional>

namespace kp {

namespace {

// The raw sample value that the trace puts at height z: every trace formula
// is linear in the value.
double RawAtHeight(const ValueChannel& c, double zoom, double position, double z)
{
    const double b = NormalisedHeight(c.coding, c.scaling, zoom, position, 0.0);
    const double a = NormalisedHeight(c.coding, c.scaling, zoom, position, 1.0) - b;
    return a != 0 ? (z - b) / a : 0.0;
}

// A code between two codes reads as the straight line through them.
double AnalogValue(const ChannelScale& s, double code)
{
    switch (s.rule) {
    case ChannelScale::Rule::Count:
        return (code * s.countScale + s.countOffset) * s.scale + s.offset;
    case ChannelScale::Rule::ZeroReferenced:
        return (code - static_cast<double>(s.zeroCode)) * s.scale + s.offset;
    case ChannelScale::Rule::Linear:
        break;
    }
    return code * s.scale + s.offset;
}

} // namespace

std::vector<GaugeChannel> GaugeChannelsOf(const ViewRecord& record, const ChannelDisplayState& state,
    const CWaveHeadInfo& head, int divisionsPerHalf, int count)
{
    std::vector<GaugeChannel> out;
    auto take = [&](const std::vector<ValueChannel>& channels, const ChannelClassState& cls,
                    const std::function<double(const ValueChannel&, double)>& physical,
                    const std::function<std::string(int)>& unit) {
        for (const ValueChannel& c : channels) {
            if (static_cast<int>(out.size()) >= count)
                return;
            const auto i = static_cast<std::size_t>(c.index);
            if (c.index < 0 || c.index >= cls.capacity() || !cls.shown[i] || !c.primary)
                continue;
            const double zoom = ClampZoom(cls.zoom[i]);
            const double position = cls.position[i];
            auto valueAt = [&](double z) { return physical(c, RawAtHeight(c, zoom, position, z)); };
            out.push_back({ c.name, unit(c.index), cls.colour[i], GaugeValuesOf(valueAt, divisionsPerHalf) });
        }
    };
    take(
        record.analog, state.analog,
        [&](const ValueChannel& c, double raw) { return AnalogValue(head.GetChannelScale(c.index), raw); },
        [&](int ch) { return head.GetUnitText(ch); });
    take(
        record.pulse, state.pulse,
        [&](const ValueChannel& c, double raw) {
            const PulseScale s = head.GetPulseScale(c.index);
            return raw * s.scale + s.offset;
        },
        [&](int p) { return head.GetPulseUnitText(p); });
    take(
        record.calc, state.calc, [](const ValueChannel&, double raw) { return raw; },
        [&](int z) { return FloatUnitText(head, z); });
    return out;
}

} // namespace kp
