#include "view/StatusPanes.h"

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/HeaderRecord.h"

namespace kp {

namespace {

constexpr int kFunctionRec = 1;
constexpr int kFunctionRms = 2;
constexpr int kFunctionXy = 3;
constexpr int kFunctionHarmonics = 4;
constexpr int kFunctionFft = 6;

std::string PaneText(const std::string& text)
{
    return text.empty() ? std::string(" - ") : text + " ";
}

StatusIcon FormatIcon(const CWaveHeadInfo& head, bool realtime)
{
    if (realtime)
        return StatusIcon::Realtime;
    switch (head.GetFunctionMode()) {
    case kFunctionRec:
    case kFunctionRms:
        return StatusIcon::Recorder;
    case kFunctionXy:
        return StatusIcon::XY;
    case kFunctionHarmonics:
    case kFunctionFft:
        return StatusIcon::Spectrum;
    default:
        return StatusIcon::Memory;
    }
}

} // namespace

std::string RealtimeFormatText(const CWaveHeadInfo& head)
{
    // The data format field marks real-time memory files; some families say
    // "REALTIME" in the function field instead.
    const HeaderRecord& main = head.MainRecord();
    const bool realtime = FieldText(main, 41) == "REAL_MEM" || FieldText(main, 4) == "REALTIME";
    if (!realtime)
        return {};
    const int function = head.GetFunctionMode();
    return function == kFunctionRec || function == kFunctionRms ? "REAL_REC" : "REAL_MEM";
}

StatusPanes BuildStatusPanes(const CWaveHeadInfo& head)
{
    const std::string realtime = RealtimeFormatText(head);
    StatusPanes panes;
    panes[0] = { PaneText(head.GetModelName(true, true)), StatusIcon::Instrument, head.GetModelId() % kModelTints };
    panes[1]
        = { PaneText(realtime.empty() ? head.GetFunctionText() : realtime), FormatIcon(head, !realtime.empty()), 0 };
    panes[2] = { PaneText(head.GetShotText()), StatusIcon::None, 0 };
    panes[3] = { PaneText(head.GetTimePerDivText()), StatusIcon::None, 0 };
    return panes;
}

} // namespace kp
