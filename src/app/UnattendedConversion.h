#pragma once
// The unattended road: "kp /CONV file [switches]" converts one waveform file
// to one text file without any window and reports the outcome through its
// exit status and, on failure, one line of text.

#include "export/ExportOptions.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

class CKpCommandLineInfo;
class ProgressWindow;
class UserMessages;
struct KpSettings;

// Converts one waveform file from disk. Failures are reported through the
// messages (when the request asks for it) and a false result.
using WaveFileConverter = std::function<bool(const ConversionRequest&, UserMessages&, ProgressWindow&)>;

// The highest numbered suffix tried before giving up ("-1000").
inline constexpr int kMaxOutputSuffix = 1000;

// folder + title + extension, where title is the source's file name without
// its extension. When that exists: title + "-000", "-001", ... "-1000", the
// first that does not exist. Empty when every one of them exists.
std::filesystem::path ChooseOutputPath(
    const std::filesystem::path& folder, const std::filesystem::path& source, std::string_view extension);

struct UnattendedResult {
    enum class Status { Converted, Failed, UsageError };
    Status status = Status::Failed;
    std::filesystem::path output; // the name chosen; empty when none was free
    std::string reason; // one line, empty when converted

    // 0 converted, 1 not converted, 2 the command line cannot be carried out.
    int ExitCode() const;
};

// Runs the conversion named on the command line. Stores the chosen format and
// newline into the settings (they become the defaults of the next interactive
// export); the caller writes the settings at exit.
//
// Only a complete success counts: the converter must answer true, show no
// message, and leave the output file behind. Anything else is a failure whose
// reason is the message the converter showed (collected silently, never on
// screen), or a plain statement of what did not happen.
UnattendedResult RunUnattendedConversion(const CKpCommandLineInfo& commandLine, KpSettings& settings,
    const WaveFileConverter& converter, ProgressWindow& progress);

// The same for one of the recordings the command line names.
UnattendedResult RunUnattendedConversion(const CKpCommandLineInfo& commandLine, KpSettings& settings,
    const WaveFileConverter& converter, ProgressWindow& progress, const std::string& source);

// Every recording named after /CONV, in order, each its own conversion; a
// command line that cannot be carried out stops at its first result.
std::vector<UnattendedResult> RunUnattendedConversions(const CKpCommandLineInfo& commandLine, KpSettings& settings,
    const WaveFileConverter& converter, ProgressWindow& progress);

// 2 when the command line could not be carried out, else 1 when any
// recording was not converted, else 0.
int ExitCodeOf(const std::vector<UnattendedResult>& results);

// A message of possibly several lines as one line: blank lines dropped, the
// rest joined with a blank.
std::string OneLine(std::string_view text);

} // namespace kp
