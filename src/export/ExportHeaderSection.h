#pragma once
// The header section of a text file: the maker's format lines, the store
// information, the channel information and the channel header line. The
// texts come from the header information (ExportPlan.h); this file only lays
// them out, quotes them and separates them.

#include "export/ExportLayout.h"
#include "export/ExportOptions.h"

#include <string>
#include <vector>

namespace kp {

// One line of the channel information block.
struct ChannelInfoLine {
    enum class Kind {
        Full, // name, amp, range, comment, scaling, ratio, offset, filter
        NoFilter, // the same with "-" for the filter
        NameComment, // name and comment, "-" elsewhere
        LogicUnit, // "L" + the unit letter, and the comment
    };
    Kind kind = Kind::Full;
    std::string name, amp, range, comment, scaling, ratio, offset, filter;
    char unitLetter = 'A';
};

// One quoted cell of the channel header line: "name(suffix)[unit]", the
// unit part only for value columns.
struct ColumnHeaderCell {
    std::string name;
    std::string suffix; // "(Max)", "(MIN)", "(OR)", ... or empty
    std::string unit;
    bool hasUnit = true;
};

struct ExportHeaderTexts {
    std::string title;
    std::string shot;
    std::string interval; // the interval or time/div text
    std::string trigDate;
    std::string trigTime;
    bool intervalLabel = false; // "Interval" instead of "Time/DIV"
    std::vector<ChannelInfoLine> channels;
    std::vector<ColumnHeaderCell> columns;
    // Format 3: seconds per point of the record (time per division / points
    // per division), before thinning out; 0 when unknown.
    double secondsPerPoint = 0;
};

// The header section for these options, every line ended with the style's
// newline. Format 3 writes its own three lines and nothing else.
std::string RenderExportHeader(const ExportHeaderTexts& texts, const ExportTextStyle& style,
    const ExportHeaderOptions& options, int notation, int thinOut);

// The number of the "FREQ = %d" line: trunc(100 / x + 0.5) with x = seconds
// per point x thin-out, kept within 1 ... 1000000000; 1 when x is 0.
int MakerFormatFrequency(double secondsPerPoint, int thinOut);

} // namespace kp
