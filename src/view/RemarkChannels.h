#pragma once
// The recorded channels of the view as the remark list lists them, with
// their current visibility, zoom and position. Qt-free.

#include "view/RemarkRows.h"

namespace kp {

struct ChannelDisplayState;
struct ViewRecord;

// Analog, pulse and calculation channels, then one entry per logic unit.
std::vector<RemarkChannel> RemarkChannelsOf(const ViewRecord& record, const ChannelDisplayState& state);

} // namespace kp
