#pragma once
// The channels a gauge prints: the first `count` shown channels of the view
// (analog, then pulse, then calculation), each with the physical values at
// the wave area's edges under its current zoom and position. Qt-free.

#include "view/GaugeTexts.h"

#include <vector>

namespace kp {

class CWaveHeadInfo;
struct ChannelDisplayState;
struct ViewRecord;

std::vector<GaugeChannel> GaugeChannelsOf(const ViewRecord& record, const ChannelDisplayState& state,
    const CWaveHeadInfo& head, int divisionsPerHalf, int count);

} // namespace kp
