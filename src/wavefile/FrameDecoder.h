#pragma once
// Reading of fixed-size frames through a channel map (header families 8 and
// 9): every frame is checked once against the file, then each mapped value is
// loaded straight from its byte offset.

#include <cstdint>
#include <vector>

#include "wavefile/ChannelMap.h"
#include "wavefile/SampleDecoder.h"

namespace kp {

// Decodes the request's points as frames of frameSize bytes starting at the
// end of the header. Only entries whose target slot is saved in the request's
// tables are read. With pairs set each value is followed by its secondary value
// (envelope recordings). Refuses a frame size outside 1..kMaxFrameBytes and any
// read entry whose value (both values of a pair) does not lie inside the frame.
DecodeResult DecodeFrames(
    const DecodeRequest& request, const std::vector<FrameEntry>& map, std::int64_t frameSize, bool pairs);

} // namespace kp
