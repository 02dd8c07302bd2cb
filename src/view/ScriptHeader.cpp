#include "view/ScriptHeader.h"

#include "export/ExportTexts.h"
#include "interpret/TriggerMoment.h"
#include "view/PropertyTables.h"
#include "view/ScriptRecording.h"

namespace kp {

namespace {

constexpr int kSecondsNotation = 1;

} // namespace

std::vector<ScriptHeaderFact> ScriptHeaderFacts(const ScriptRecording& recording)
{
    const CKpDoc& doc = recording.Doc();
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    return {
        { "file", doc.GetPathName().string() },
        { "title", RecordTitle(head) },
        { "model", head.GetModelName(true, true) },
        { "function", head.GetFunctionText() },
        { "family", std::int64_t { FamilyNumber(head.GetHeaderFamily()) } },
        { "shot", head.GetShotText() },
        { "time_per_div", head.GetTimePerDivText() },
        { "interval", recording.Interval() },
        { "trigger_date", TriggerDateText(head) },
        { "trigger_time", TriggerTimeText(head) },
        { "trigger_point", recording.TriggerPoint() },
        { "points", recording.Points() },
        { "recorded_points", recording.RecordedPoints() },
        { "cut_short", recording.Points() < recording.RecordedPoints() },
    };
}

std::vector<ScriptPropertyList> ScriptPropertyLists(const ScriptRecording& recording)
{
    const CWaveHeadInfo& head = recording.Doc().GetHeadInfo();
    CursorTextContext c;
    c.notation = kSecondsNotation;
    c.trigger = recording.TriggerPoint();
    c.pointsPerDivision = head.GetTimeAxisDataNum(true);
    c.sampleInterval = recording.Interval();
    c.triggerMoment = ReadTriggerMoment(head);
    c.startOffset = ReadTriggerStartOffset(head);
    PropertyTables tables = BuildPropertyTables(recording.Doc(), c);
    std::vector<ScriptPropertyList> lists;
    for (int tab : ShownPropertyTabs(tables))
        lists.push_back(
            { PropertyTabName(static_cast<PropertyTab>(tab)), std::move(tables[static_cast<std::size_t>(tab)]) });
    return lists;
}

} // namespace kp
