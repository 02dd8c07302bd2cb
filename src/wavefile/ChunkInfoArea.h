#pragma once
// Walking the sub-chunks of a stored waveform-information chunk.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "wavefile/ChunkedHeader.h"

namespace kp {

// Calls visit for each sub-chunk of `bytes` from offset `begin`, in order,
// until visit returns false. The walk ends at a header that does not fit, a
// tag beginning with NUL, a size of 0 or 16 zero bytes; every step advances
// by at least 16 bytes. `area` is passed through to the infos.
void WalkSubChunks(std::span<const std::uint8_t> bytes, std::uint64_t begin, int area,
    const std::function<bool(const Chunk5595Info&)>& visit);

// The first sub-chunk of `bytes` from `begin` with this tag and, when not
// negative, this index byte and sub-kind.
std::optional<Chunk5595Info> FindSubChunk(std::span<const std::uint8_t> bytes, std::uint64_t begin, int area,
    std::string_view tag, int indexByte, int subKind);

// The sub-chunk's parameter area: from its parameter offset to its end
// (empty when the offset lies outside it).
std::span<const std::uint8_t> SubChunkParameters(const Chunk5595Info& info);

} // namespace kp
