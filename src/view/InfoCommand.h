#pragma once
// `kp --info FILE [--json]`: the properties window's lists printed without a
// window, so that scripts can read a recording's settings, channels and
// event marks.

#include "view/CursorTexts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kp {

struct InfoRequest {
    std::filesystem::path file;
    bool json = false;
    int notation = kCursorPointNotation; // of the event mark times
};

// Reads the tokens after the program name; the reason of a usage error otherwise.
struct InfoArguments {
    std::optional<InfoRequest> request;
    std::string error;
};
InfoArguments ParseInfoArguments(const std::vector<std::string>& tokens);

// The whole command: returns the exit status (0, 1 when the recording
// cannot be opened, 2 for a usage error), the text on out, reasons on err.
int RunInfoCommand(const std::vector<std::string>& tokens, std::string& out, std::string& err);

} // namespace kp
