#include <gtest/gtest.h>

#include "support/SeededRandom.h"
#include "wavefile/MinMaxSummary.h"

#include <cmath>
#include <random>
#include <vector>

namespace kp {
namespace {

template <typename S> std::vector<S> RandomData(std::size_t n, std::mt19937& rng)
{
    std::vector<S> v(n);
    if constexpr (std::is_floating_point_v<S>) {
        std::uniform_real_distribution<float> d(-1000.0f, 1000.0f);
        for (auto& x : v)
            x = d(rng);
    } else {
        std::uniform_int_distribution<std::uint64_t> d(0, std::numeric_limits<S>::max());
        for (auto& x : v)
            x = static_cast<S>(d(rng));
    }
    return v;
}

// Every column of every magnification the view offers, plus the leftover
// range at the end, and a batch of ranges at random places.
template <typename S, typename K, typename Order>
void ExpectEqualToPlainScan(const std::vector<S>& data, S bias, std::mt19937& rng)
{
    const MinMaxSummary<S, K, Order> summary(std::span<const S>(data), bias);
    const std::int64_t n = static_cast<std::int64_t>(data.size());
    for (std::int64_t ppc : { 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 50000, 500000 }) {
        if (ppc > n)
            break;
        const std::int64_t columns = n / ppc;
        for (std::int64_t c = 0; c < columns; ++c) {
            const auto fast = summary.Query(c * ppc, c * ppc + ppc);
            const auto plain = PlainExtent<K, Order>(std::span<const S>(data), c * ppc, c * ppc + ppc, bias);
            ASSERT_EQ(fast, plain) << "ppc " << ppc << " column " << c;
        }
        if (n % ppc != 0) {
            ASSERT_EQ(summary.Query(columns * ppc, n),
                (PlainExtent<K, Order>(std::span<const S>(data), columns * ppc, n, bias)))
                << "leftover of ppc " << ppc;
        }
    }
    std::uniform_int_distribution<std::int64_t> pos(0, n);
    for (int i = 0; i < 3000; ++i) {
        std::int64_t a = pos(rng), b = pos(rng);
        if (a > b)
            std::swap(a, b);
        if (a == b)
            continue;
        ASSERT_EQ(summary.Query(a, b), (PlainExtent<K, Order>(std::span<const S>(data), a, b, bias)))
            << "range " << a << ".." << b;
    }
}

TEST(MinMaxSummary, SignedAndUnsignedCodesEqualThePlainScan)
{
    auto rng = test::SeededRandom(0);
    for (std::size_t n : { 1u, 9u, 10u, 11u, 99u, 1001u, 123457u }) {
        const auto data = RandomData<std::uint16_t>(n, rng);
        ExpectEqualToPlainScan<std::uint16_t, std::int16_t, ValueOrder>(data, 0, rng);
        ExpectEqualToPlainScan<std::uint16_t, std::uint16_t, ValueOrder>(data, 0, rng);
    }
}

TEST(MinMaxSummary, WideCodesWithAndWithoutZeroCodeEqualThePlainScan)
{
    auto rng = test::SeededRandom(1);
    const auto data = RandomData<std::uint32_t>(54321, rng);
    ExpectEqualToPlainScan<std::uint32_t, std::uint32_t, ValueOrder>(data, 0, rng);
    ExpectEqualToPlainScan<std::uint32_t, std::int32_t, ValueOrder>(data, 0x80000000u, rng);
    ExpectEqualToPlainScan<std::uint32_t, std::int32_t, ValueOrder>(data, 0x20000u, rng);
}

TEST(MinMaxSummary, FloatsAndLogicWordsEqualThePlainScan)
{
    auto rng = test::SeededRandom(2);
    const auto floats = RandomData<float>(20011, rng);
    ExpectEqualToPlainScan<float, float, ValueOrder>(floats, 0.0f, rng);
    // Sparse bits so that AND and OR differ in interesting ways.
    auto words = RandomData<std::uint32_t>(30007, rng);
    for (auto& w : words)
        w |= 0x0F0F0000u;
    ExpectEqualToPlainScan<std::uint32_t, std::uint32_t, BitOrder>(words, 0u, rng);
}

TEST(MinMaxSummary, SignedKeysOrderNegativeCodesBelowPositive)
{
    const std::vector<std::uint16_t> data { 0x7FFF, 0x8000, 0x0001, 0xFFFF };
    const SignedCodeSummary s { std::span<const std::uint16_t>(data) };
    EXPECT_EQ(s.Query(0, 4), (Extent<std::int16_t> { -32768, 32767 }));
    const UnsignedCodeSummary u { std::span<const std::uint16_t>(data) };
    EXPECT_EQ(u.Query(0, 4), (Extent<std::uint16_t> { 1, 65535 }));
}

TEST(MinMaxSummary, NaNNeverWinsAndEmptyRangesAnswerEmpty)
{
    std::vector<float> data(100, 1.0f);
    data[37] = std::nanf("");
    data[55] = -4.0f;
    const FloatSummary s { std::span<const float>(data) };
    EXPECT_EQ(s.Query(0, 100), (Extent<float> { -4.0f, 1.0f }));
    const auto lone = s.Query(37, 38);
    EXPECT_TRUE(std::isnan(lone.lo) && std::isnan(lone.hi));
    const auto none = s.Query(50, 50);
    EXPECT_TRUE(std::isnan(none.lo));
}

TEST(MinMaxSummary, RangesAreClippedToTheData)
{
    const std::vector<std::uint16_t> data { 5, 3, 9 };
    const UnsignedCodeSummary s { std::span<const std::uint16_t>(data) };
    EXPECT_EQ(s.Query(-5, 100), (Extent<std::uint16_t> { 3, 9 }));
    EXPECT_EQ(s.Query(2, 1), (ValueOrder::Empty<std::uint16_t>()));
}

} // namespace
} // namespace kp
