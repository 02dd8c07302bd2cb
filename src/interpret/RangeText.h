#pragma once
// Numbers stored as header texts: a leading decimal number followed by a unit
// ("20mV", "500us", "1:10"), and doubles stored as 16 hexadecimal digits.
// Header texts always use "." as the decimal point, whatever the user's
// locale; nothing here consults the C library's locale.

#include <optional>
#include <string_view>

namespace kp {

// The decimal value of the text's leading part (leading blanks and one sign
// allowed, an exponent taken when digits follow it). A text that does not
// begin with a number reads as 0.
double LeadingNumber(std::string_view text);

// Like LeadingNumber, but an empty (or all-blank) text is "not given".
std::optional<double> GivenNumber(std::string_view text);

// The text after the leading run of digits and points: "20mV" gives "mV".
std::string_view UnitPart(std::string_view text);

// The multiplier that a unit's first letters stand for: "m" followed by a
// letter other than "/" is milli (a lone "m" is a metre and "m/" a rate),
// "k" kilo, "u" micro unless "E" follows (micro-strain "uE" is a unit of its
// own; the oldest header family also writes it "ue").
double UnitPrefixFactor(std::string_view unit, bool lowerCaseStrain = false);

// A range text's value in the base unit: the leading number times its prefix.
double RangeTextValue(std::string_view text, bool lowerCaseStrain = false);

// The unit of a time text: what follows its leading number, blanks before
// and after the number skipped (" 500 us/DIV" gives "us/DIV").
std::string_view TimeUnitPart(std::string_view text);

// Seconds per unit of a time unit text, by its first letters: "min" 60, "m"
// milli, "u" micro, "n" nano, "k" kilo, "h" hours, "d" days; any other text
// (also "s", "sec") 1. A "/DIV" after the unit plays no part.
double TimeUnitSeconds(std::string_view unit);

// A sampling interval text ("10ms", "1min", "2h") in seconds.
double SamplingIntervalSeconds(std::string_view text);

// A double written as 16 hexadecimal digits (either case), most significant
// byte first; nullopt unless the text holds exactly 16 digits at its start.
std::optional<double> HexDoubleText(std::string_view text);

// a / b, where a stored zero divisor yields an infinite value with the sign of
// a (a zero a counting as positive) instead of a division by zero.
double DivideOrInfinite(double a, double b);

} // namespace kp
