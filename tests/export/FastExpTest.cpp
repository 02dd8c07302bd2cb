#include "export/FastExp.h"

#include "support/PrintfCells.h"
#include "support/SeededRandom.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace kp {
namespace {

std::string Fast(double value, int precision, bool forceSign, char sep = '.')
{
    char buffer[64];
    char* end = WriteExpCell(buffer, value, precision, forceSign, sep);
    return std::string(buffer, end);
}

void ExpectSame(double value, int precision, bool forceSign, char sep = '.')
{
    ASSERT_EQ(Fast(value, precision, forceSign, sep), test::PrintfExp(value, precision, forceSign, sep))
        << "value " << std::hexfloat << value << " precision " << precision;
}

TEST(FastExp, WritesThreeDigitExponentsAndTheSeparator)
{
    EXPECT_EQ(Fast(1.23456, 5, true), "+1.23456e+000");
    EXPECT_EQ(Fast(-0.001, 6, false), "-1.000000e-003");
    EXPECT_EQ(Fast(1.5e300, 2, false, ','), "1,50e+300");
    EXPECT_EQ(Fast(0.0, 6, false), "0.000000e+000");
    EXPECT_EQ(Fast(-0.0, 3, true), "-0.000e+000");
    EXPECT_EQ(Fast(7.0, 0, true), "+7e+000");
}

TEST(FastExp, RoundsExactTiesToEvenAndCarriesIntoTheExponent)
{
    for (double v : { 0.125, 0.375, 2.5, 3.5, 1.25e-3, 9.5, 9.95, 99.5, 999.5, 0.5, 1.0e23, 9.999999999e-5 })
        for (int p = 0; p <= 17; ++p) {
            ExpectSame(v, p, false);
            ExpectSame(-v, p, true);
        }
}

TEST(FastExp, ChoosesTheExponentNextToPowersOfTen)
{
    for (int k = -40; k <= 40; ++k) {
        const double power = std::pow(10.0, k);
        for (double v : { power, std::nextafter(power, 0.0), std::nextafter(power, 1e300),
                 std::nextafter(std::nextafter(power, 0.0), 0.0) })
            for (int p = 0; p <= 17; ++p)
                ExpectSame(v, p, true);
    }
}

TEST(FastExp, FallsBackForValuesOutsideTheFastRange)
{
    const double special[] = { std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::max(), std::numeric_limits<double>::min(), 1e-300, 1e300, 4.9e-320 };
    for (double v : special)
        for (int p : { 0, 1, 5, 9, 17 }) {
            ExpectSame(v, p, false, ',');
            ExpectSame(v, p, true);
        }
}

TEST(FastExp, MatchesPrintfOnSeededRandomValues)
{
    auto rng = test::SeededRandom64(0);
    std::uniform_int_distribution<int> precision(0, 17);
    std::uniform_real_distribution<double> exponent(-40.0, 40.0);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 200000; ++i) {
        const double v = unit(rng) * std::pow(10.0, exponent(rng));
        ExpectSame(v, precision(rng), (i & 1) != 0, (i & 2) ? ',' : '.');
    }
    // Raw bit patterns cover every exponent, subnormals, inf and nan.
    for (int i = 0; i < 100000; ++i)
        ExpectSame(std::bit_cast<double>(rng()), precision(rng), (i & 1) != 0);
}

TEST(FastExp, MatchesPrintfOnTimeValuesOfARecording)
{
    // The time column prints (point - trigger) * interval for every point.
    for (double interval : { 1e-6, 5e-6, 1e-3, 0.1, 1.0 / 3.0, 2.5e-9, 1e-7, 60.0 })
        for (std::int64_t n = -20000; n <= 20000; n += 7)
            for (int p : { 6, 7, 8, 9, 10, 11 })
                ExpectSame(static_cast<double>(n) * interval, p, false);
}

TEST(DecadeExpWriter, MatchesPrintfAcrossDecadesAndSigns)
{
    // Runs of seconds as the time column prints them, crossing decades both
    // ways, with jumps between far-apart values and values next to powers of
    // ten, for every precision the time column uses.
    auto rng = test::SeededRandom64(77);
    for (int precision : { 0, 1, 6, 7, 9, 10, 11, 17 }) {
        DecadeExpWriter writer(precision, ',');
        auto check = [&](double v) {
            char buffer[64];
            const std::string fast(buffer, writer.write(buffer, v));
            ASSERT_EQ(fast, test::PrintfExp(v, precision, false, ',')) << std::hexfloat << v;
        };
        for (double interval : { 1e-6, 2.5e-9, 1.0 / 3.0, 0.1, 60.0 })
            for (std::int64_t n = -3000; n <= 3000; ++n)
                check(static_cast<double>(n * n * n) * interval);
        for (int k = -12; k <= 12; ++k)
            for (double v : { std::pow(10.0, k), std::nextafter(std::pow(10.0, k), 0.0), -std::pow(10.0, k) })
                check(v);
        for (int i = 0; i < 20000; ++i)
            check(std::bit_cast<double>(rng()));
        check(0.0);
        check(-0.0);
    }
}

} // namespace
} // namespace kp
