#include "wavefile/ColumnCopy.h"

#include <algorithm>
#include <cstring>

#include "wavefile/ByteReader.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define KP_HAVE_SSE2 1
#include <emmintrin.h>
#endif

namespace kp {

namespace {

void PlainColumn(const std::uint8_t* frames, std::size_t frameBytes, std::size_t first, std::size_t last,
    std::uint16_t* destination, std::size_t column)
{
    const std::uint8_t* src = frames + first * frameBytes + 2 * column;
    for (std::size_t k = first; k < last; ++k, src += frameBytes)
        destination[k] = LoadBE16(src);
}

#ifdef KP_HAVE_SSE2
// Bytes move in and out through memcpy, which compiles to one unaligned
// vector load or store.
inline __m128i Load(const std::uint8_t* p)
{
    __m128i v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void Store(std::uint16_t* p, __m128i v)
{
    std::memcpy(p, &v, sizeof v);
}

inline __m128i SwapBytes(__m128i v)
{
    return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
}

// Eight frames of eight columns (one 16-byte row each) into eight columns of
// eight points: an 8x8 transpose of 16-bit lanes in three unpack rounds.
void Transpose8x8(const std::uint8_t* row, std::size_t frameBytes, std::uint16_t* const* out)
{
    __m128i r[8];
    for (int i = 0; i < 8; ++i)
        r[i] = SwapBytes(Load(row + static_cast<std::size_t>(i) * frameBytes));
    const __m128i t0 = _mm_unpacklo_epi16(r[0], r[1]), t1 = _mm_unpackhi_epi16(r[0], r[1]);
    const __m128i t2 = _mm_unpacklo_epi16(r[2], r[3]), t3 = _mm_unpackhi_epi16(r[2], r[3]);
    const __m128i t4 = _mm_unpacklo_epi16(r[4], r[5]), t5 = _mm_unpackhi_epi16(r[4], r[5]);
    const __m128i t6 = _mm_unpacklo_epi16(r[6], r[7]), t7 = _mm_unpackhi_epi16(r[6], r[7]);
    const __m128i u0 = _mm_unpacklo_epi32(t0, t2), u1 = _mm_unpackhi_epi32(t0, t2);
    const __m128i u2 = _mm_unpacklo_epi32(t1, t3), u3 = _mm_unpackhi_epi32(t1, t3);
    const __m128i u4 = _mm_unpacklo_epi32(t4, t6), u5 = _mm_unpackhi_epi32(t4, t6);
    const __m128i u6 = _mm_unpacklo_epi32(t5, t7), u7 = _mm_unpackhi_epi32(t5, t7);
    Store(out[0], _mm_unpacklo_epi64(u0, u4));
    Store(out[1], _mm_unpackhi_epi64(u0, u4));
    Store(out[2], _mm_unpacklo_epi64(u1, u5));
    Store(out[3], _mm_unpackhi_epi64(u1, u5));
    Store(out[4], _mm_unpacklo_epi64(u2, u6));
    Store(out[5], _mm_unpackhi_epi64(u2, u6));
    Store(out[6], _mm_unpacklo_epi64(u3, u7));
    Store(out[7], _mm_unpackhi_epi64(u3, u7));
}
#endif

} // namespace

void CopyBigEndianColumnsPlain(const std::uint8_t* frames, std::size_t frameBytes, std::size_t frameCount,
    std::span<std::uint16_t* const> destinations, std::size_t destOffset)
{
    for (std::size_t j = 0; j < destinations.size(); ++j)
        if (destinations[j] != nullptr)
            PlainColumn(frames, frameBytes, 0, frameCount, destinations[j] + destOffset, j);
}

void CopyBigEndianColumns(const std::uint8_t* frames, std::size_t frameBytes, std::size_t frameCount,
    std::span<std::uint16_t* const> destinations, std::size_t destOffset)
{
    std::size_t j = 0;
#ifdef KP_HAVE_SSE2
    const std::size_t blocked = frameCount / 8 * 8;
    for (; j + 8 <= destinations.size(); j += 8) {
        const auto group = destinations.subspan(j, 8);
        if (std::find(group.begin(), group.end(), nullptr) != group.end()) {
            CopyBigEndianColumnsPlain(frames + 2 * j, frameBytes, frameCount, group, destOffset);
            continue;
        }
        std::uint16_t* out[8];
        for (std::size_t k = 0; k < blocked; k += 8) {
            for (int c = 0; c < 8; ++c)
                out[c] = group[static_cast<std::size_t>(c)] + destOffset + k;
            Transpose8x8(frames + k * frameBytes + 2 * j, frameBytes, out);
        }
        for (std::size_t c = 0; c < 8; ++c)
            PlainColumn(frames, frameBytes, blocked, frameCount, group[c] + destOffset, j + c);
    }
#endif
    CopyBigEndianColumnsPlain(frames + 2 * j, frameBytes, frameCount, destinations.subspan(j), destOffset);
}

} // namespace kp
