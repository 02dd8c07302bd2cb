#pragma once
// What the row writer needs to know about a recording: the separator and
// newline of the chosen format, the time cell, and one entry per written
// column saying where its codes are and how they become a value text. Built
// from the header information (ExportPlan.h) or, in tests, by hand.

#include "format/DateTime.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kp {

// Separator and newline of an output format.
struct ExportTextStyle {
    int format = 0; // 0 CSV, 1 blank, 2 TAB, 3 the maker's text format
    char separator = ','; // the locale's list separator for CSV and format 3
    char decimalSeparator = '.';
    std::string newline = "\n";
};

// The separator and newline that a format writes under the current locale:
// format 3 always ends its lines with CR LF.
ExportTextStyle MakeTextStyle(int format, bool crlf);

struct ExportTimeColumn {
    bool present = false; // time column on and a format that has one
    int notation = 0; // 0 seconds, 1 date, 2 elapsed time, 3 point
    int precision = 7; // decimals of the seconds and of the elapsed time
    std::int64_t triggerPoint = 0;
    double interval = 0; // seconds per point
    DateTime triggerMoment; // notation 1
};

inline constexpr int kMaxColumnPrecision = 40;

// Where a column's codes are kept in the channel tables.
enum class ColumnSource : std::uint8_t {
    Analog, // AnalogTable slot, 16-bit codes
    Pulse, // PulseTable slot, 16-bit counts
    LogicWord, // LogicTable slot, 32-bit codes that scale to a value
    Float, // FloatTable slot, values already physical
    LogicBit, // one bit of a LogicTable slot
    GroupBit, // one bit of a LogicGroups word (a classic logic probe)
};

struct ExportColumn {
    ColumnSource source = ColumnSource::Analog;
    int slot = 0; // table slot, or the logic group
    bool secondary = false; // the second value of a pair (minimum, AND)
    int bit = 0; // LogicBit, GroupBit
    int precision = 5; // decimals of the value ("%+.*e"), 0..kMaxColumnPrecision
    // Raw code (as stored, zero-extended) to physical value, for Analog,
    // Pulse and LogicWord columns. Must give the same double for the same
    // code every time: value texts are cached per code.
    std::function<double(std::uint32_t)> value;
};

struct ExportLayout {
    ExportTextStyle style;
    ExportTimeColumn time;
    std::vector<ExportColumn> columns;
};

} // namespace kp
