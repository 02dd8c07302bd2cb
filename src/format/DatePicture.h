#pragma once
// Date and time pictures in the letter notation of the locale values
// ("HH:mm:ss", "yyyy/MM/dd", "h:mm:ss tt").

#include "format/DateTime.h"

#include <string>
#include <string_view>

namespace kp {

// Writes the fields by the picture. Letters, by run length:
//   d day (1-31), dd two digits, ddd "Mon", dddd "Monday";
//   M month (1-12), MM two digits, MMM "Jan", MMMM "January";
//   y year in century without zero fill, yy two digits, yyy or more the full
//   year zero-filled to four digits;
//   h / hh hour of 12 (1-12), H / HH hour of 24; m / mm minute; s / ss
//   second; t "A"/"P", tt "AM"/"PM"; g/gg (era) writes nothing.
// Text between single quotes is written as it stands ('' is a quote); every
// other character is copied.
std::string FormatPicture(const CivilFields& fields, std::string_view picture);

} // namespace kp
