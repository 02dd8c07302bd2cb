#pragma once
// The conversion switches of the command line, read into one record.

#include "export/ExportOptions.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kp {

class CKpCommandLineInfo;

struct ConversionSwitches {
    std::string source; // the value of CONV
    std::filesystem::path folder; // DEST, else the SaveFolder setting
    int thinOut = 1;
    int format = kFormatCsv;
    bool crlf = true;
    int notation = kNotationSeconds;
    ExportHeaderOptions header { true, true, true, true, true };
    int headerType = kHeaderChannelNumbers;
};

// THINOUT's value as a decimal integer prefix: leading blanks and one sign are
// skipped, digits are read up to the first non-digit, no digits read as 0. A
// result outside 1-10000 becomes 1.
int ParseThinOut(std::string_view text);

// Applies the switches in the order of kConversionSwitchNames, so that within
// a group (format, newline, notation, header type) the name listed later wins
// whatever the order on the command line.
ConversionSwitches ReadConversionSwitches(const CKpCommandLineInfo& commandLine, const std::string& saveFolder);

} // namespace kp
