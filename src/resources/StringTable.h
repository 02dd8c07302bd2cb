#pragma once
// The program's numbered texts, looked up by number. Every message, label and
// format that the user sees comes from here, exactly as the program prints it.

#include <string>
#include <string_view>

namespace kp {

// Numbers used by name in the code. Numbers not listed here are looked up
// directly (KpString(7301)).
enum StringId : int {
    IDS_LOADING = 2001,
    IDS_CONVERTING = 2002,
    IDS_SAVE = 2100,
    IDS_SAVE_BETWEEN_CURSORS = 2101,
    IDS_UNABLE_TO_OPEN = 3000,
    IDS_MEMORY_INSUFFICIENT = 3001,
    IDS_FILE_ALREADY_EXISTS = 3004,
    IDS_COULD_NOT_CONVERT_ALL = 3005,
    IDS_FILE_NOT_FOUND = 3006,
    IDS_COULD_NOT_EXECUTE = 3007,
    IDS_CANCEL_QUESTION = 4001,
    IDS_UNSUPPORTED_MODEL = 4002,
    IDS_NOT_WAVEFORM_FILE = 4003,
    IDS_UNSUPPORTED_FUNCTION = 4004,
    IDS_DISK_FULL = 4006,
    IDS_THINOUT_RANGE = 4008,
    IDS_REALTIME_MEMORY = 4014,
    IDS_FILE_TOO_SHORT = 4015,
    IDS_OLD_REVISION = 4016,
    IDS_DATA_LENGTH_ZERO = 4017,
    IDS_DIVIDE_RANGE = 4018,
    IDS_A_TO_B = 9100,
};

// The text of a number; an empty view for a number that the table lacks.
std::string_view KpString(int id);

// printf-style formatting of a numbered text ("Unsupported model : %s").
std::string KpFormat(int id, const std::string& argument);

} // namespace kp
