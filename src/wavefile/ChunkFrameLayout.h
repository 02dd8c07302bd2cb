#pragma once
// The frame layout of a chunked-family recording as its information chunks
// describe it: up to four frame descriptions (index byte 0 or 1, first or
// second pair), the sampling period of each index byte, and where the frames
// of index 1 fall on the point axis.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kp {

class CWaveHeadInfo;

// One channel entry with its byte position in the frame.
struct ChunkChannelEntry {
    std::uint8_t type = 0;
    std::uint8_t byteSize = 0;
    std::uint8_t unit = 0;
    std::uint8_t channel = 0;
    std::uint32_t position = 0;
};

struct ChunkFrameSet {
    bool present = false;
    std::uint32_t frameSize = 0;
    // Distance of a pair's secondary value from its primary: 2 x the entry count.
    std::uint32_t secondaryDistance = 0;
    std::vector<ChunkChannelEntry> entries;
    bool carriesLogicPair = false; // some entry is of type 4
    // Non-empty when the description does not fit its frame or its sub-chunk.
    std::string problem;
};

struct ChunkSamplingPeriod {
    std::uint16_t mantissa = 1;
    std::int8_t exponent = 0;
    double unitSeconds = 1.0;
    double Seconds() const;
};

struct ChunkFrameLayout {
    // Set g: index byte g % 2, second pair (sub-kind 98) for g >= 2.
    std::array<ChunkFrameSet, 4> sets;
    std::array<ChunkSamplingPeriod, 2> periods;
    // Points that index-1 frames are shifted by, and how many points each
    // index-1 frame stands for (index 0: 0 and 1).
    std::int64_t pointOffset1 = 0;
    std::int64_t repetition1 = 1;

    bool AnySet() const;
    // The first problem of a present set, or empty.
    std::string Problem() const;
};

// Bytes a channel entry reads from its position and how far it moves the
// running position (pair entries reach one secondary distance further).
struct ChunkEntryShape {
    std::uint32_t needs = 0;
    std::uint32_t advance = 0;
};
ChunkEntryShape ShapeOfChunkEntry(std::uint8_t type, std::uint8_t byteSize, std::uint32_t secondaryDistance);

// Set number of a block or description: -1 for an index byte of 2 or more.
int ChunkSetNumber(int indexByte, int subKind);

// Reads the layout from the stored information chunks. Never fails; what is
// missing stays absent or at its default.
ChunkFrameLayout ReadChunkFrameLayout(const CWaveHeadInfo& head);

// Points per index-1 frame: the ratio of the two periods, truncated, at least
// 1 and at most kMaxRepetition; 1 when either period is 0. Computed from the
// stored digits so that 10 us / 1 us is exactly 10.
inline constexpr std::int64_t kMaxRepetition = std::int64_t { 1 } << 40;
std::int64_t ChunkRepetitionFactor(const ChunkSamplingPeriod& period0, const ChunkSamplingPeriod& period1);

// The unit factor of a period unit text (case-insensitive; 1 for others).
double ChunkPeriodUnitSeconds(const std::string& unit);

} // namespace kp
