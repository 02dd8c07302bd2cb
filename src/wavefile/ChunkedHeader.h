#pragma once
// What the header information keeps of a chunked-family recording: the
// waveform-information chunks (stored whole, one per index byte), the offsets
// of the waveform-data chunks, and which data set each channel belongs to.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kp {

// A sub-chunk found inside a stored information chunk. `bytes` starts at its
// tag and is clipped to the information chunk, so it may be shorter than the
// declared size; readers use only `bytes`.
struct Chunk5595Info {
    std::span<const std::uint8_t> bytes;
    int indexByte = 0;
    int subKind = 0;
    std::uint64_t size = 0; // as declared
    std::uint64_t paramOffset = 0; // from the sub-chunk's start
    int area = 0; // the information chunk it was found in (its index byte)

    bool Has(std::uint64_t offset, std::uint64_t count) const
    {
        return count <= bytes.size() && offset <= bytes.size() - count;
    }
};

// One channel's entry of the per-channel settings ("SXACAWMN").
struct ChunkChannelSettings {
    double valuePerCode = 1.0;
    double offset = 0.0;
    int displayCodesPerDiv = 0;
    std::int16_t zeroCode = 0;
    std::string precisionMark; // as stored, e.g. "OFF"
    std::string unitText; // as stored, escapes not rewritten

    // True for a mark of exactly three letters other than "OFF" (any case):
    // the module then delivers more significant digits.
    bool HasPrecisionMark() const;
};

struct ChunkedHeader {
    std::array<std::vector<std::uint8_t>, 2> infoAreas;
    int infoChunkCount = 0;
    std::array<std::optional<std::uint64_t>, 2> dataOffsets;
    // Why the chunks cannot be read as the table of contents describes them
    // (an offset that is not a number, another chunk at the offset); empty
    // when they can.
    std::string problem;
    // Where the file ends before a chunk the table of contents names; empty
    // when every such chunk is inside the file.
    std::string truncation;
    // Index byte of the data set whose frames carry a slot or logic unit; -1
    // for none.
    std::array<std::int8_t, 352> channelSet = Unassigned<352>();
    std::array<std::int8_t, 128> logicUnitSet = Unassigned<128>();

private:
    template <std::size_t N> static std::array<std::int8_t, N> Unassigned()
    {
        std::array<std::int8_t, N> a {};
        a.fill(-1);
        return a;
    }
};

} // namespace kp
