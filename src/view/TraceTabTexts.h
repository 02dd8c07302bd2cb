#pragma once
// What the trace window shows per tab and what its Copy writes, shared by the
// window and by `kp --trace`, so that both print the same bytes.

#include "view/CursorTexts.h"
#include "view/TraceCopyText.h"
#include "view/TraceReadout.h"

#include <string>
#include <vector>

namespace kp {

struct ViewRecord;

// The tabs the window offers, by tab data and in order: the analog list
// always, the other lists when they hold rows, the statistics for a loaded record.
std::vector<int> ShownTraceTabs(const TraceTables& tables, bool loaded);

// The tab's title above its list ("Analog", ..., "Statistics").
std::string TraceTabTitle(int tab);

// The tab's clipboard text; summary is the statistics' line above the list.
std::string TraceTabCopyText(int tab, const TextTable& table, const CursorEditTexts& edits, const std::string& summary);

// The context in which the cursor edits print a record's positions.
CursorTextContext CursorTextContextOf(const ViewRecord& record, int notation, bool enhancedDate);

// The three edit texts for the cursors at a and b.
CursorEditTexts CursorEditTextsAt(const CursorTextContext& context, std::int64_t a, std::int64_t b);

} // namespace kp
