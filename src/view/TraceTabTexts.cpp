#include "view/TraceTabTexts.h"

#include "view/ViewRecord.h"

namespace kp {

std::vector<int> ShownTraceTabs(const TraceTables& tables, bool loaded)
{
    std::vector<int> tabs;
    for (int t = 0; t < kTraceTabs; ++t) {
        if (t == static_cast<int>(TraceTab::Analog) || !tables[static_cast<std::size_t>(t)].rows.empty())
            tabs.push_back(t);
    }
    if (loaded)
        tabs.push_back(kStatisticsTab);
    return tabs;
}

std::string TraceTabTitle(int tab)
{
    if (tab == kStatisticsTab)
        return "Statistics";
    return TraceTabName(static_cast<TraceTab>(tab));
}

std::string TraceTabCopyText(int tab, const TextTable& table, const CursorEditTexts& edits, const std::string& summary)
{
    if (tab == kStatisticsTab)
        return StatisticsCopyText(table, edits, summary);
    // Only the lists of values measured over time carry the distance.
    const bool withDistance = tab == static_cast<int>(TraceTab::Analog) || tab == static_cast<int>(TraceTab::Pulse);
    return TraceCopyText(table, edits, withDistance);
}

CursorTextContext CursorTextContextOf(const ViewRecord& r, int notation, bool enhancedDate)
{
    CursorTextContext c;
    c.notation = notation;
    c.trigger = r.hasTrigger && r.trigger >= 0 ? r.trigger : 0;
    c.pointsPerDivision = r.pointsPerDivision1;
    c.sampleInterval = r.sampleInterval;
    c.elapsedDigits = r.elapsedDigits;
    c.triggerMoment = r.triggerMoment;
    c.startOffset = r.startOffset;
    c.enhancedDate = enhancedDate;
    return c;
}

CursorEditTexts CursorEditTextsAt(const CursorTextContext& c, std::int64_t a, std::int64_t b)
{
    return { CursorPositionText(c, a), CursorPositionText(c, b), CursorDistanceText(c, a, b) };
}

} // namespace kp
