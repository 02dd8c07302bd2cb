#include "export/UInt128.h"

#include "support/SampleFixtures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace kp {
namespace {

#if defined(__SIZEOF_INT128__)

using Native = unsigned __int128;

Native ToNative(PortableUInt128 v)
{
    return (static_cast<Native>(v.high()) << 64) | v.low();
}
PortableUInt128 FromNative(Native v)
{
    return { static_cast<std::uint64_t>(v >> 64), static_cast<std::uint64_t>(v) };
}

// Operands of every width from 1 to 128 bits, so that the 64-bit shortcuts,
// the carries between the halves and the long division all take turns.
Native RandomOperand(std::mt19937& rng)
{
    const int bits = std::uniform_int_distribution<int>(1, 128)(rng);
    const Native value = (static_cast<Native>(rng()) << 96) | (static_cast<Native>(rng()) << 64)
        | (static_cast<Native>(rng()) << 32) | rng();
    return (value >> (128 - bits)) | 1;
}

TEST(PortableUInt128, AgreesWithTheBuiltInTypeOnEveryOperation)
{
    auto rng = test::SeededRandom(128);
    for (int i = 0; i < 20000; ++i) {
        const Native a = RandomOperand(rng), b = RandomOperand(rng);
        const PortableUInt128 pa = FromNative(a), pb = FromNative(b);
        const int s = static_cast<int>(rng() % 128);
        ASSERT_EQ(ToNative(pa * pb), a * b);
        ASSERT_EQ(ToNative(pa + pb), a + b);
        ASSERT_EQ(ToNative(pa - pb), a - b);
        ASSERT_EQ(ToNative(pa / pb), a / b);
        ASSERT_EQ(ToNative(pa % pb), a % b);
        ASSERT_EQ(ToNative(pa << s), a << s);
        ASSERT_EQ(ToNative(pa >> s), a >> s);
        ASSERT_EQ(pa < pb, a < b);
        ASSERT_EQ(pa == pb, a == b);
    }
}

TEST(PortableUInt128, DividesAtTheEdgesOfTheRange)
{
    const Native max = ~static_cast<Native>(0);
    const Native top = static_cast<Native>(1) << 127;
    for (const auto& [a, b] : { std::pair { max, max }, { max, Native { 1 } }, { max, top }, { top, top + 1 },
             { max, max - 1 }, { max - 1, max }, { top + 5, Native { 3 } }, { top | 7, (top >> 1) | 1 } }) {
        ASSERT_EQ(ToNative(FromNative(a) / FromNative(b)), a / b);
        ASSERT_EQ(ToNative(FromNative(a) % FromNative(b)), a % b);
    }
}

#else

TEST(PortableUInt128, AgreesWithTheBuiltInTypeOnEveryOperation)
{
    GTEST_SKIP() << "this compiler has no built-in 128-bit type to compare with";
}

#endif

} // namespace
} // namespace kp
