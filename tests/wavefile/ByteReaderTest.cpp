#include <gtest/gtest.h>

#include "wavefile/ByteReader.h"

#include <array>
#include <cstring>
#include <vector>

namespace kp {
namespace {

TEST(ByteReader, ReadsBothByteOrders)
{
    const std::array<std::uint8_t, 8> bytes { 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0 };
    ByteReader be(bytes, ByteOrder::Big);
    ByteReader le(bytes, ByteOrder::Little);
    EXPECT_EQ(be.u16(0), 0x1234);
    EXPECT_EQ(le.u16(0), 0x3412);
    EXPECT_EQ(be.u32(2), 0x56789ABCu);
    EXPECT_EQ(le.u32(2), 0xBC9A7856u);
    EXPECT_EQ(be.u64(0), 0x123456789ABCDEF0ull);
    EXPECT_EQ(le.u64(0), 0xF0DEBC9A78563412ull);
    EXPECT_EQ(be.i16(6), static_cast<std::int16_t>(0xDEF0));
}

TEST(ByteReader, FloatsComeFromTheirBitPatterns)
{
    const float value = -1.5f;
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    const std::array<std::uint8_t, 4> be { static_cast<std::uint8_t>(bits >> 24), static_cast<std::uint8_t>(bits >> 16),
        static_cast<std::uint8_t>(bits >> 8), static_cast<std::uint8_t>(bits) };
    EXPECT_EQ(ByteReader(be, ByteOrder::Big).f32(0), -1.5f);
}

TEST(ByteReader, RefusesReadsPastTheEndWithoutOverflow)
{
    const std::vector<std::uint8_t> bytes(10);
    ByteReader r(bytes, ByteOrder::Big);
    EXPECT_NO_THROW(r.u16(8));
    EXPECT_THROW(r.u16(9), ShortReadError);
    EXPECT_THROW(r.u8(10), ShortReadError);
    EXPECT_THROW(r.need(~0ull - 1, 4), ShortReadError);
    EXPECT_FALSE(r.fits(4, ~0ull));
}

TEST(BitRearrangement, MatchesTheDocumentedExamples)
{
    EXPECT_EQ(ReverseNibbles16(0x1234), 0x4321);
    EXPECT_EQ(ReverseBits8(0x80), 0x01);
    EXPECT_EQ(ReverseBits8(0x06), 0x60);
    EXPECT_EQ(ReverseBits16(0x8001), 0x8001);
    EXPECT_EQ(ReverseBits16(0x0003), 0xC000);
    EXPECT_EQ(SwapBytes16(0x1234), 0x3412);
}

} // namespace
} // namespace kp
