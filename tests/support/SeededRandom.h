#pragma once
// The one source of random test data. Every test draws from a generator of
// its own, made here from the suite's seed and a salt of the test's choosing,
// so no test's values depend on which tests ran before it.

#include <cstdint>
#include <random>

namespace kp::test {

inline constexpr std::uint32_t kTestSeed = 20240611;

inline std::mt19937 SeededRandom(std::uint32_t salt)
{
    return std::mt19937(kTestSeed ^ (salt * 2654435761u));
}

inline std::mt19937_64 SeededRandom64(std::uint32_t salt)
{
    return std::mt19937_64(std::uint64_t { kTestSeed } << 32 ^ (salt * 0x9E3779B97F4A7C15ull));
}

} // namespace kp::test
