#pragma once
// Recordings with seeded random codes for the sample tests, and the decoding
// of a written file into tables. Expected values are always the codes the
// recording was given.

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "support/SeededRandom.h"
#include "synth/Recording.h"
#include "synth/RecordingWriter.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelTables.h"
#include "wavefile/SampleDecoder.h"
#include "wavefile/SampleLayout.h"
#include "wavefile/TableAllocation.h"

namespace kp::test {

// Random 16-bit codes.
inline std::vector<std::uint16_t> RandomCodes(std::mt19937& rng, std::size_t n)
{
    std::uniform_int_distribution<int> d(0, 0xFFFF);
    std::vector<std::uint16_t> out(n);
    for (auto& v : out)
        v = static_cast<std::uint16_t>(d(rng));
    return out;
}

// Random codes the oldest family can store: 12 bits, widened with ones exactly
// when bit 9 is set.
inline std::vector<std::uint16_t> RandomFamily0Codes(std::mt19937& rng, std::size_t n)
{
    std::vector<std::uint16_t> out = RandomCodes(rng, n);
    for (auto& v : out) {
        v &= 0x0FFF;
        if (v & 0x0200)
            v |= 0xF000;
    }
    return out;
}

inline std::vector<std::uint8_t> RandomNibbles(std::mt19937& rng, std::size_t n)
{
    std::uniform_int_distribution<int> d(0, 15);
    std::vector<std::uint8_t> out(n);
    for (auto& v : out)
        v = static_cast<std::uint8_t>(d(rng));
    return out;
}

// The tables and status of decoding [firstPoint, firstPoint + pointCount) of a file.
struct Decoded {
    CWaveHeadInfo head;
    SampleLayout layout;
    ChannelTables tables;
    AllocateResult allocation;
    DecodeResult result;
};

inline void DecodeInto(
    Decoded& out, std::span<const std::uint8_t> file, std::int64_t firstPoint, std::int64_t pointCount)
{
    out.allocation = AllocateTables(out.layout, firstPoint, pointCount, file.size(), out.tables);
    if (out.allocation.status != AllocateStatus::Ok)
        return;
    DecodeRequest request { out.head, file, out.tables, firstPoint, pointCount, {}, {} };
    out.result = DecodeSamples(request);
}

// Loads the header and decodes the whole record (pointCount < 0) or a range.
inline Decoded DecodeFile(std::span<const std::uint8_t> file, std::int64_t firstPoint = 0, std::int64_t pointCount = -1)
{
    Decoded out;
    out.head.Load(file);
    out.layout = DescribeSamples(out.head);
    DecodeInto(out, file, firstPoint, pointCount < 0 ? out.layout.MaxPoints() : pointCount);
    return out;
}

} // namespace kp::test
