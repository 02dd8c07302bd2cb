#pragma once
// What every conversion to text is told: which parts of the header section to
// write, and one request record that the menu, the batch dialog and the command
// line all hand to the converter.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

namespace kp {

// The parts of a text file's header section, plus the time column.
// eventInfo travels with the others although no line of the file depends on it.
struct ExportHeaderOptions {
    bool storeInfo = true;
    bool channelInfo = true;
    bool channelHeader = true;
    bool eventInfo = false;
    bool timeColumn = true;

    bool operator==(const ExportHeaderOptions&) const = default;
};

// Output formats of a text file.
enum ExportFormat : int {
    kFormatCsv = 0,
    kFormatSpace = 1,
    kFormatTab = 2,
    kFormatMakerText = 3,
};

// Time notations of the time column.
enum TimeNotation : int {
    kNotationSeconds = 0,
    kNotationDate = 1,
    kNotationElapsed = 2,
    kNotationPoint = 3,
};

// Channel header types.
enum ChannelHeaderType : int {
    kHeaderChannelNumbers = 0,
    kHeaderChannelComments = 1,
};

// The extension of a file written in the given format: only CSV gets ".CSV".
constexpr std::string_view ExtensionForFormat(int format)
{
    return format == kFormatCsv ? ".CSV" : ".TXT";
}

// One conversion of a waveform file from disk to one text file.
struct ConversionRequest {
    std::filesystem::path source;
    std::filesystem::path output;
    std::int64_t start = -1; // first point; -1 with end = -1: the whole record
    std::int64_t end = -1; // last point, included
    int thinOut = 1; // keep every thinOut-th point, 1-10000
    int notation = kNotationSeconds;
    ExportHeaderOptions header;
    int headerType = kHeaderChannelNumbers;
    int format = kFormatCsv;
    bool crlf = false; // newline CR LF, else LF (format 3 always writes CR LF)
    bool checkFile = false; // passed on to the file check
    bool showErrors = false; // report failures through the messages seam
    bool append = false; // append to an existing output instead of replacing it
    // With a chooser (and without append) the output is only ever created
    // under a free name: when the name was taken in the meantime, by a
    // conversion running side by side, the chooser is asked for the next name
    // after the taken one (empty: none is left). Without one an existing
    // output is replaced.
    std::function<std::filesystem::path(const std::filesystem::path& taken)> nextOutput;
};

} // namespace kp
