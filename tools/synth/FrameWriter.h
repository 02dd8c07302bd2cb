#pragma once
// Frame layouts of the fixed-frame families (8 and 9): a list of values, each
// with its channel map entry, laid out into frames of a fixed size. Offsets
// are handed out from the end of the frame backwards, so entry order and
// frame order differ, as they may in recorded files.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "synth/Recording.h"

namespace kp::synth {

struct FrameValue {
    int size = 2; // bytes of one value (2 or 4); a pair's second value follows it
    // The map entry text for a value at this byte offset.
    std::function<std::string(int offset)> entry;
    std::vector<std::uint32_t> primary; // stored bit patterns, one per point
    std::vector<std::uint32_t> secondary; // pair-valued recordings
};

struct FrameImage {
    std::vector<std::string> entries; // map entries in value order
    int frameSize = 0;
    std::vector<std::uint8_t> data; // all frames, big-endian values
};

FrameImage LayOutFrames(const std::vector<FrameValue>& values, std::size_t points, bool pairs, int slack);

// The 16-bit words that carry classic logic units 4h .. 4h+3 (unit 4h + i in
// bits 4i .. 4i+3, nibble-reversed as stored); units the recording does not
// list are 0. True in `any` when at least one of the four is listed.
std::vector<std::uint32_t> ClassicLogicWords(const Recording& recording, int half, bool secondary, bool& any);

// Bit patterns of float values.
std::vector<std::uint32_t> FloatBits(const std::vector<float>& values);

template <typename T> std::vector<std::uint32_t> Widened(const std::vector<T>& values)
{
    return std::vector<std::uint32_t>(values.begin(), values.end());
}

} // namespace kp::synth
