#pragma once
// kp.convert of the Python module: keyword options turned into the command
// line's conversion switches and run as "kp /CONV" runs them, so a script
// gets byte for byte the file the command line writes.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kp {

struct ScriptConversionOptions {
    std::filesystem::path source;
    std::filesystem::path folder;
    std::string format = "csv"; // csv, space, tab
    int thinOut = 1; // 1-10000
    std::string time = "sec"; // sec, date, time, point
    std::string newline = "crlf"; // crlf, lf
    bool header = true; // false: no header section at all
    bool storeInfo = true;
    bool channelInfo = true;
    bool channelHeader = true;
    bool eventInfo = true;
    bool timeColumn = true;
    std::string channelNames = "numbers"; // numbers, comments
};

struct ScriptConversionTokens {
    std::vector<std::string> tokens; // the command line after the program name
    std::string error; // why the options cannot be carried out, when tokens is empty
};

ScriptConversionTokens ConversionTokensOf(const ScriptConversionOptions& options);

struct ScriptConversionResult {
    bool converted = false;
    bool usageError = false; // the options could not be carried out at all
    std::filesystem::path output; // the file written
    std::string reason; // one line when not converted
};

ScriptConversionResult RunScriptConversion(const ScriptConversionOptions& options);

} // namespace kp
