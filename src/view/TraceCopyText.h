#pragma once
// The clipboard text of the trace window's visible list: titles, the cursor
// times, then every row, tab-separated with "\r\n" line ends.

#include "view/TextTable.h"

#include <string>

namespace kp {

struct CursorEditTexts {
    std::string a;
    std::string b;
    std::string distance;
};

// withDistance: the analog and pulse lists also copy the distance text.
std::string TraceCopyText(const TextTable& table, const CursorEditTexts& edits, bool withDistance);

// The statistics list: as a list with the distance, the summary line after
// the time line.
std::string StatisticsCopyText(const TextTable& table, const CursorEditTexts& edits, const std::string& summary);

// Cells joined by "\t" and ended by "\r\n", one line per row.
std::string TabSeparatedRows(const std::vector<std::vector<std::string>>& rows);

} // namespace kp
