#include <gtest/gtest.h>

#include "format/NumberWriter.h"
#include "platform/LocaleInfo.h"
#include "support/PrintfCells.h"
#include "support/SeededRandom.h"

#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kp {
namespace {

// The plain reference: the C library's printf, exponent widened to three
// digits and the point replaced, as the export layout wants them.
std::string ReferenceExp(double value, int precision, bool forceSign, char separator)
{
    char buffer[600];
    test::PrintfDouble(buffer, sizeof buffer, forceSign ? "%+.*e" : "%.*e", precision, value);
    std::string text = buffer;
    const std::size_t e = text.find('e');
    if (e != std::string::npos && text.size() - e == 4)
        text.insert(e + 2, "0");
    const std::size_t point = text.find('.');
    if (point != std::string::npos && std::isfinite(value))
        text[point] = separator;
    return text;
}

std::string ReferenceFixed(double value, int precision, bool forceSign, char separator)
{
    char buffer[1000];
    test::PrintfDouble(buffer, sizeof buffer, forceSign ? "%+.*f" : "%.*f", precision, value);
    std::string text = buffer;
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text[point] = separator;
    return text;
}

std::string Exp(double value, int precision, bool forceSign, char separator = '.')
{
    std::vector<char> buffer(ExpCapacity(precision) + 1, '#');
    char* end = AppendExp(buffer.data(), value, precision, forceSign, separator);
    EXPECT_LE(end, buffer.data() + ExpCapacity(precision));
    EXPECT_EQ(buffer.back(), '#');
    return std::string(buffer.data(), end);
}

std::string Fixed(double value, int precision, bool forceSign, char separator = '.')
{
    std::vector<char> buffer(FixedCapacity(precision) + 1, '#');
    char* end = AppendFixed(buffer.data(), value, precision, forceSign, separator);
    EXPECT_LE(end, buffer.data() + FixedCapacity(precision));
    EXPECT_EQ(buffer.back(), '#');
    return std::string(buffer.data(), end);
}

// Doubles of every kind: random bit patterns (all exponents, denormals, inf,
// nan) and values of everyday magnitudes with few significant digits, whose
// last printed digit often lands on a rounding tie.
std::vector<double> SeededDoubles(std::size_t count)
{
    auto random = test::SeededRandom64(20240501);
    std::vector<double> values;
    values.reserve(count);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::uniform_int_distribution<int> mantissa(-99999, 99999);
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 2 == 0)
            values.push_back(std::bit_cast<double>(random()));
        else
            values.push_back(mantissa(random) * std::pow(10.0, exponent(random)) / 1024.0);
    }
    return values;
}

TEST(NumberWriter, ExpMatchesPrintfOnSeededDoubles)
{
    int mismatches = 0;
    for (double value : SeededDoubles(60000)) {
        for (int precision = 0; precision <= 12; ++precision) {
            const bool sign = (precision % 2) == 0;
            if (Exp(value, precision, sign) != ReferenceExp(value, precision, sign, '.') && ++mismatches < 10)
                ADD_FAILURE() << value << " precision " << precision << ": " << Exp(value, precision, sign)
                              << " != " << ReferenceExp(value, precision, sign, '.');
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NumberWriter, FixedMatchesPrintfOnSeededDoubles)
{
    int mismatches = 0;
    for (double value : SeededDoubles(20000)) {
        for (int precision = 0; precision <= 12; precision += 3) {
            const bool sign = (precision % 2) == 1;
            if (Fixed(value, precision, sign, ',') != ReferenceFixed(value, precision, sign, ',') && ++mismatches < 10)
                ADD_FAILURE() << value << " precision " << precision;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(NumberWriter, ExpEdgeValues)
{
    const double edges[] = { 0.0, -0.0, 1.0, -1.0, 0.5, 2.5, 9.5, 1e-5, 1e100, 1e-100, 9.9999995e+99, 9.9999996e+99,
        9.9999995e-100, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -DBL_TRUE_MIN, 2.2250738585072009e-308,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN() };
    for (double value : edges) {
        for (int precision = 0; precision <= 17; ++precision) {
            for (bool sign : { false, true }) {
                EXPECT_EQ(Exp(value, precision, sign), ReferenceExp(value, precision, sign, '.'))
                    << value << " precision " << precision << " sign " << sign;
                EXPECT_EQ(Exp(value, precision, sign, ','), ReferenceExp(value, precision, sign, ','));
            }
        }
    }
}

TEST(NumberWriter, ExpWritesTheExportForms)
{
    EXPECT_EQ(Exp(1.23456, 6, true), "+1.234560e+000");
    EXPECT_EQ(Exp(-1e-5, 1, true), "-1.0e-005");
    EXPECT_EQ(Exp(0.001, 6, false), "1.000000e-003");
    EXPECT_EQ(Exp(0.0, 6, false), "0.000000e+000");
    EXPECT_EQ(Exp(-0.0, 6, true), "-0.000000e+000");
    EXPECT_EQ(Exp(0.0, 6, true), "+0.000000e+000");
    EXPECT_EQ(Exp(9.9999996e+99, 6, false), "1.000000e+100");
    EXPECT_EQ(Exp(9.9999995e+99, 6, false), "9.999999e+099"); // stored just below the tie
    EXPECT_EQ(Exp(1e300, 1, true), "+1.0e+300");
    EXPECT_EQ(Exp(DBL_TRUE_MIN, 3, false), "4.941e-324");
    EXPECT_EQ(Exp(7.0, 0, true), "+7e+000");
    EXPECT_EQ(Exp(1.234560, 6, true, ','), "+1,234560e+000");
    EXPECT_EQ(Exp(std::numeric_limits<double>::infinity(), 6, true), "+inf");
    EXPECT_EQ(Exp(-std::numeric_limits<double>::infinity(), 6, true), "-inf");
    EXPECT_EQ(Exp(std::numeric_limits<double>::quiet_NaN(), 6, false), "nan");
}

TEST(NumberWriter, NegativePrecisionMeansSixAndHugeIsCut)
{
    EXPECT_EQ(Exp(1.5, -1, false), "1.500000e+000");
    EXPECT_EQ(Fixed(1.5, -3, false), "1.500000");
    EXPECT_EQ(Exp(1.0, INT_MAX, false).size(), std::size_t(kMaxWriterPrecision) + 7);
}

TEST(NumberWriter, FixedExtremes)
{
    EXPECT_EQ(Fixed(-DBL_MAX, 12, true), ReferenceFixed(-DBL_MAX, 12, true, '.'));
    EXPECT_EQ(Fixed(-0.0001, 2, false), "-0.00");
    EXPECT_EQ(Fixed(2.5, 0, false), "2");
    EXPECT_EQ(Fixed(0.125, 2, true, ','), "+0,12");
}

TEST(NumberWriter, StringFormsUseTheLocaleSeparator)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    std::string text = "x";
    AppendExp(text, 1.5, 2, true);
    text += ';';
    AppendFixed(text, 1.5, 1, false);
    text += ';';
    AppendInt(text, -42);
    EXPECT_EQ(text, "x+1,50e+000;1,5;-42");
    EXPECT_EQ(FormatFixed(12.375, 2), "12,38"); // an exact tie rounds to even
    EXPECT_EQ(FormatExp(-1.0, 0, true), "-1e+000");
}

TEST(NumberWriter, ShortestKeepsEveryStoredDigit)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(FormatShortest(0.5), "0,5");
    EXPECT_EQ(FormatShortest(0.1234567), "0,1234567");
    // A single-precision value, not the digits of its widening to double.
    EXPECT_EQ(FormatShortest(0.1f), "0,1");
    EXPECT_EQ(FormatShortest(-2.5e-5), "-2,5e-005");
    EXPECT_EQ(FormatShortest(1e300), "1e+300");
    EXPECT_EQ(FormatShortest(123456789.0), "123456789");
    EXPECT_EQ(FormatShortest(0.0001), "0,0001");
}

TEST(NumberWriter, IntMatchesPrintf)
{
    for (long long value : { 0LL, 7LL, -7LL, 1234567890123LL, LLONG_MAX, LLONG_MIN }) {
        char reference[32];
        std::snprintf(reference, sizeof reference, "%lld", value);
        char buffer[kIntCapacity];
        EXPECT_EQ(std::string(buffer, AppendInt(buffer, value)), reference);
    }
}

} // namespace
} // namespace kp
