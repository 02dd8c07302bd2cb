#pragma once
// The five lists of the trace window: every recorded channel's values at the
// cursors A and B and their calculation, computed from the document's codes
// and the header's scaling. The window, Copy and `kp --trace` show these rows.

#include "view/TextTable.h"
#include "view/TraceValueText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kp {

class CKpDoc;

// Tab data of the window: which list a tab shows.
enum class TraceTab { Analog = 0, Pulse = 1, Logic = 2, Alarm = 3, Calc = 4 };
inline constexpr int kTraceTabs = 5;
// The tab data of the statistics list, which the window adds after the five.
inline constexpr int kStatisticsTab = kTraceTabs;

struct TraceOptions {
    TraceNumberFormat format;
    TraceCalcType calc = TraceCalcType::BMinusA;
};

using TraceTables = std::array<TextTable, kTraceTabs>;

// The numbers behind a row's texts, for readers that compute with them; a
// logic row holds its bits.
struct TraceRowNumbers {
    std::string unit;
    std::optional<double> a, b, calc;
};
using TraceNumbers = std::array<std::vector<TraceRowNumbers>, kTraceTabs>;

// The lists with their titles and alignments; a cell whose point lies beyond
// the samples the document holds stays empty. numbers, when given, receives
// one entry per row.
TraceTables BuildTraceTables(
    const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceOptions& options, TraceNumbers* numbers = nullptr);

// The titles and alignments alone (for an empty document).
TraceTables EmptyTraceTables(TraceCalcType calc);

// The tab names shown above the lists, by tab data.
const char* TraceTabName(TraceTab tab);

} // namespace kp
