#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "interpret/RangeText.h"
#include "platform/LocaleInfo.h"
#include "support/HeadBuilder.h"

namespace kp {
namespace {

TEST(RangeText, LeadingNumberAndUnitPart)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("20mV"), 20.0);
    EXPECT_EQ(UnitPart("20mV"), "mV");
    EXPECT_DOUBLE_EQ(LeadingNumber("0.5V"), 0.5);
    EXPECT_EQ(UnitPart("0.5V"), "V");
    EXPECT_DOUBLE_EQ(LeadingNumber(" -2.5"), -2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1:10"), 1.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e3V"), 1000.0);
    // An "E" that no digits follow is the unit, not an exponent.
    EXPECT_DOUBLE_EQ(LeadingNumber("500uE"), 500.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("5E"), 5.0);
    // Texts that are not numbers read 0, words like "inf" included.
    EXPECT_DOUBLE_EQ(LeadingNumber("---"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("inf"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("nan"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
    EXPECT_DOUBLE_EQ(LeadingNumber("1e-999"), 0.0);
}

TEST(RangeText, GivenNumberSeparatesEmptyFromZero)
{
    EXPECT_FALSE(GivenNumber("").has_value());
    EXPECT_FALSE(GivenNumber("   ").has_value());
    EXPECT_EQ(GivenNumber("abc"), 0.0);
    EXPECT_EQ(GivenNumber("0"), 0.0);
    EXPECT_EQ(GivenNumber("50.0"), 50.0);
}

TEST(RangeText, UnitPrefixes)
{
    EXPECT_DOUBLE_EQ(RangeTextValue("20mV"), 0.02);
    EXPECT_DOUBLE_EQ(RangeTextValue("2kV"), 2000.0);
    EXPECT_DOUBLE_EQ(RangeTextValue("50uA"), 0.00005);
    EXPECT_DOUBLE_EQ(RangeTextValue("5V"), 5.0);
    // A lone "m" is a metre and "m/" a rate: no prefix.
    EXPECT_DOUBLE_EQ(RangeTextValue("10m"), 10.0);
    EXPECT_DOUBLE_EQ(RangeTextValue("10m/s"), 10.0);
    // Micro-strain is a unit of its own; lower-case "ue" only in the oldest family.
    EXPECT_DOUBLE_EQ(RangeTextValue("500uE"), 500.0);
    EXPECT_DOUBLE_EQ(RangeTextValue("500ue"), 0.0005);
    EXPECT_DOUBLE_EQ(RangeTextValue("500ue", true), 500.0);
    EXPECT_DOUBLE_EQ(RangeTextValue("500uE", true), 500.0);
}

TEST(RangeText, SamplingIntervalUnits)
{
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("10ms"), 0.01);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("2min"), 120.0);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("500us"), 0.0005);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("1h"), 3600.0);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("3ks"), 3000.0);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("5s"), 5.0);
    EXPECT_DOUBLE_EQ(SamplingIntervalSeconds("10 ms"), 0.01);
}

TEST(RangeText, HexDoublesEitherCase)
{
    EXPECT_EQ(HexDoubleText(test::HexDigits(0.125)), 0.125);
    EXPECT_EQ(HexDoubleText(test::HexDigits(-3.75e-5, false)), -3.75e-5);
    EXPECT_EQ(HexDoubleText("3FF0000000000000"), 1.0);
    EXPECT_FALSE(HexDoubleText("3FF000000000000").has_value()); // 15 digits
    EXPECT_FALSE(HexDoubleText("3FF00000000000G0").has_value()); // not hex
    EXPECT_FALSE(HexDoubleText("").has_value());
}

TEST(RangeText, DivisionByZeroIsInfiniteNotUndefined)
{
    EXPECT_EQ(DivideOrInfinite(5.0, 0.0), std::numeric_limits<double>::infinity());
    EXPECT_EQ(DivideOrInfinite(-5.0, 0.0), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isinf(DivideOrInfinite(0.0, 0.0)));
    EXPECT_DOUBLE_EQ(DivideOrInfinite(5.0, 2.0), 2.5);
}

// Header numbers use "." whatever the user's locale, both the program's own
// locale values and the C library's numeric locale.
TEST(RangeText, DecimalCommaLocaleDoesNotChangeParsing)
{
    ScopedLocale locale(LocaleInfo { ',', ';', "HH:mm:ss", true });
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;

    EXPECT_DOUBLE_EQ(LeadingNumber("0.0005"), 0.0005);
    EXPECT_DOUBLE_EQ(RangeTextValue("2.5mV"), 0.0025);
    EXPECT_DOUBLE_EQ(LeadingNumber("2,5"), 2.0); // a comma ends the number

    const CWaveHeadInfo head = test::HeadBuilder(1).Channel(0, { { 33, "0.0005" }, { 28, "50.0" } }).Load();
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(0), 0.00025);

    if (german)
        std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
} // namespace kp
