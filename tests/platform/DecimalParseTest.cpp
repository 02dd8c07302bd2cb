#include <gtest/gtest.h>

#include "platform/DecimalParse.h"
#include "support/SeededRandom.h"

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>
#include <version>

namespace kp {
namespace {

struct Read {
    double value;
    std::ptrdiff_t length;
    std::errc ec;
};

// The value starts as a marker so that an error that writes it shows.
Read Fallback(const std::string& text)
{
    double value = -7.25;
    const auto result = ParseDecimalInCLocale(text.data(), text.data() + text.size(), value);
    return { value, result.ptr - text.data(), result.ec };
}

// Where the standard reader exists, the fallback must agree with it on
// every text, errors included.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
Read FromChars(const std::string& text)
{
    double value = -7.25;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return { value, result.ptr - text.data(), result.ec };
}

void ExpectSameRead(const std::string& text)
{
    const Read expected = FromChars(text);
    const Read read = Fallback(text);
    EXPECT_EQ(read.ec, expected.ec) << '"' << text << '"';
    EXPECT_EQ(read.length, expected.length) << '"' << text << '"';
    if (std::isnan(expected.value))
        EXPECT_TRUE(std::isnan(read.value) && std::signbit(read.value) == std::signbit(expected.value)) << text;
    else
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read.value), std::bit_cast<std::uint64_t>(expected.value)) << text;
}

TEST(DecimalParse, FallbackReadsAsTheStandardReader)
{
    const char* texts[] = { "20mV", "-1.5e3x", ".5", "-.5", "5.", "1.e5", "-0.000125", "007", "-0", "1e", "1e+", "1e-",
        "1E-3V", "1e+5", "12:30", "1,5", "0x10", "0e99999", "123456789012345678901234567890e-30",
        "1.7976931348623157e308", "1.7976931348623159e308", "1e400", "-1e400", "2.2250738585072011e-308", "1e-310",
        "4.9e-324", "2.5e-324", "2.4e-324", "1e-400", "-1e-99999999999", "", "-", ".", "..5", "-.", ".e5", "e5", " 1",
        "+1", "--5", "- 5", "inf", "-INFINITY", "infin", "nan", "-NaN", "nan(abc_1)x", "nan(", "nan(a b)" };
    for (const char* text : texts)
        ExpectSameRead(text);
}

TEST(DecimalParse, FallbackReadsPrintedDoublesAsTheStandardReader)
{
    auto random = test::SeededRandom64(11);
    for (int i = 0; i < 3000; ++i) {
        const double value = std::bit_cast<double>(random());
        char text[400];
        std::snprintf(text, sizeof text, i % 3 == 0 ? "%.17g" : i % 3 == 1 ? "%.6e" : "%.25f", value);
        ExpectSameRead(text);
    }
}

#endif

TEST(DecimalParse, FallbackIgnoresTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.utf8"))
        GTEST_SKIP() << "no decimal-comma locale installed";
    const Read point = Fallback("1.5");
    const Read comma = Fallback("1,5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(point.value, 1.5);
    EXPECT_EQ(point.length, 3);
    EXPECT_EQ(comma.value, 1.0);
    EXPECT_EQ(comma.length, 1);
}

} // namespace
} // namespace kp
