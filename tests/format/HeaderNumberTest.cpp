#include <gtest/gtest.h>

#include "format/HeaderNumber.h"
#include "platform/LocaleInfo.h"
#include "support/SeededRandom.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace kp {
namespace {

// Texts on which the header reading agrees with strtod in the "C" locale
// (the tests run in it): the same value and the same "no number".
TEST(HeaderNumber, ReadsWhatStrtodReadsAsAPrefix)
{
    const char* texts[] = { "20mV", "  -1.5e3x", "+.5", "5.", "\t\n 42", "-0.000125", "1e", "1e+", "1E-3V", "007",
        "0.5m/s", "12:30", "1.7976931348623157e308", "4.9e-324", "2.5e-324", "123456789012345678901234", "-", "+", ".",
        "", " ", "ON", "--5", "+-5", "- 5", ".e5", "e5", "1,5" };
    for (const char* text : texts) {
        char* end = nullptr;
        const double expected = std::strtod(text, &end);
        const std::optional<double> read = ParseHeaderDouble(text);
        if (end == text) {
            EXPECT_FALSE(read.has_value()) << '"' << text << '"';
        } else {
            ASSERT_TRUE(read.has_value()) << '"' << text << '"';
            EXPECT_EQ(*read, expected) << '"' << text << '"';
        }
    }
}

TEST(HeaderNumber, RoundTripsPrintedDoubles)
{
    auto random = test::SeededRandom64(7);
    for (int i = 0; i < 5000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        char text[64];
        std::snprintf(text, sizeof text, i % 2 ? "%.17g" : " %+.17e", value);
        EXPECT_EQ(ParseHeaderDouble(text), value) << text;
    }
}

TEST(HeaderNumber, TakesNoSpecialWordsAndSaturatesOutOfRange)
{
    // strtod would take these; a header number is decimal only.
    EXPECT_FALSE(ParseHeaderDouble("inf"));
    EXPECT_FALSE(ParseHeaderDouble("-nan"));
    EXPECT_EQ(ParseHeaderDouble("0x10"), 0.0);

    EXPECT_EQ(ParseHeaderDouble("1e400"), HUGE_VAL);
    EXPECT_EQ(ParseHeaderDouble("-1e400"), -HUGE_VAL);
    EXPECT_EQ(ParseHeaderDouble("1.7976931348623159e308"), HUGE_VAL);
    EXPECT_EQ(ParseHeaderDouble("0.000001e-999999999999999999"), 0.0);
    EXPECT_EQ(ParseHeaderDouble("1000e-330"), 0.0);
    EXPECT_EQ(ParseHeaderDouble("0.01e311"), HUGE_VAL);
    const std::optional<double> negativeTiny = ParseHeaderDouble("-1e-400");
    ASSERT_TRUE(negativeTiny);
    EXPECT_TRUE(std::signbit(*negativeTiny));
    EXPECT_TRUE(std::signbit(*ParseHeaderDouble("-0")));
}

TEST(HeaderNumber, IgnoresTheUserLocale)
{
    ScopedLocale comma(LocaleInfo { ',', ';', "HH:mm:ss", true, "dd.MM.yyyy" });
    EXPECT_EQ(ParseHeaderDouble("1.5"), 1.5);
    EXPECT_EQ(ParseHeaderDouble("1,5"), 1.0);
    EXPECT_EQ(ParseHeaderDouble("0.0005", 9.0), 0.0005);
}

TEST(HeaderNumber, FallbackAndFieldDefaults)
{
    EXPECT_EQ(ParseHeaderDouble("OFF", -1.0), -1.0);
    EXPECT_EQ(ParseHeaderDouble("2.5", -1.0), 2.5);
    // Empty means not given; text that is not a number reads as 0.
    EXPECT_EQ(HeaderFieldNumber("", 1.0), 1.0);
    EXPECT_EQ(HeaderFieldNumber("   ", 1.0), 1.0);
    EXPECT_EQ(HeaderFieldNumber("---", 1.0), 0.0);
    EXPECT_EQ(HeaderFieldNumber(" 50.0", 1.0), 50.0);
}

TEST(HeaderNumber, HexDoubleIsMostSignificantByteFirst)
{
    EXPECT_EQ(ParseHexDouble("3FF0000000000000"), 1.0);
    EXPECT_EQ(ParseHexDouble("bff8000000000000"), -1.5);
    EXPECT_EQ(ParseHexDouble("4059000000000000 and more"), 100.0);
    EXPECT_EQ(ParseHexDouble("7FF0000000000000"), HUGE_VAL);
    EXPECT_TRUE(std::isnan(*ParseHexDouble("7FF8000000000000")));
    EXPECT_FALSE(ParseHexDouble("3FF000000000000"));
    EXPECT_FALSE(ParseHexDouble("3FF00000 0000000"));
    EXPECT_FALSE(ParseHexDouble("3FF000000000000G"));
    EXPECT_FALSE(ParseHexDouble("-3FF000000000000"));

    auto random = test::SeededRandom64(11);
    for (int i = 0; i < 1000; ++i) {
        const std::uint64_t bits = random();
        char text[17];
        std::snprintf(text, sizeof text, i % 2 ? "%016llX" : "%016llx", static_cast<unsigned long long>(bits));
        const std::optional<double> value = ParseHexDouble(text);
        ASSERT_TRUE(value);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), bits);
    }
}

} // namespace
} // namespace kp
