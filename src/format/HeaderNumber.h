#pragma once
// Numbers stored as text in header records. They always use "." as the
// decimal point, whatever the user's locale, so they are never read with the C
// library's locale-dependent parsers.

#include <optional>
#include <string_view>

namespace kp {

// The decimal number at the start of a header text, read as the C library's
// strtod reads a prefix in the "C" locale: leading white space, an optional
// sign, digits with an optional ".", an optional exponent ("e"/"E", sign,
// digits); whatever follows is ignored ("20mV" reads 20, "1.5e" reads 1.5).
// Nothing when the text does not start with such a number (empty, "ON", "-",
// "."). Only decimal notation is taken: "inf", "nan" and hexadecimal floats
// are not numbers here. A magnitude beyond the double range reads as an
// infinity and one below it as zero (with the text's sign), as strtod gives.
std::optional<double> ParseHeaderDouble(std::string_view text);

// The same, with fallback when the text holds no number.
double ParseHeaderDouble(std::string_view text, double fallback);

// A numeric header field: an empty field (or one of blanks only) means the
// value is not given and yields notGiven; a field whose text is not a number
// reads as 0.
double HeaderFieldNumber(std::string_view text, double notGiven);

// A double stored as 16 hexadecimal digits (either case), most significant
// byte first: "3FF0000000000000" is 1.0. Only the first 16 characters are
// read; nothing when there are fewer or one of them is not a hex digit. The
// bit pattern is taken as it stands, infinities and nans included.
std::optional<double> ParseHexDouble(std::string_view text);

} // namespace kp
