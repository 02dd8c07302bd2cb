#pragma once
// The hot loop of interleaved layouts: frames of consecutive big-endian 16-bit
// values, one value per column, copied into one array per column.

#include <cstddef>
#include <cstdint>
#include <span>

namespace kp {

// For frames k in [0, frameCount) and columns j: destinations[j][destOffset + k]
// = the big-endian value at frames + k * frameBytes + 2 * j. A null
// destination skips its column. The caller has checked that every frame lies
// inside the file and that every destination holds destOffset + frameCount
// values. Groups of 8 columns are transposed 8 points at a time with SIMD
// where the processor has it.
void CopyBigEndianColumns(const std::uint8_t* frames, std::size_t frameBytes, std::size_t frameCount,
    std::span<std::uint16_t* const> destinations, std::size_t destOffset);

// The same, one value at a time: the reference the fast path is tested against.
void CopyBigEndianColumnsPlain(const std::uint8_t* frames, std::size_t frameBytes, std::size_t frameCount,
    std::span<std::uint16_t* const> destinations, std::size_t destOffset);

} // namespace kp
