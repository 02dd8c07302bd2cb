#include "view/PropertyTables.h"

#include "export/ExportTexts.h"
#include "format/TextTrim.h"
#include "interpret/EventComments.h"
#include "interpret/EventMarks.h"
#include "resources/StringTable.h"
#include "view/PropertyRows.h"
#include "wavefile/CKpDoc.h"

#include <cmath>
#include <cstdio>

namespace kp {

namespace {

using namespace propertyfield;

std::string Str(int id)
{
    return std::string(KpString(id));
}

std::string MainField(const CWaveHeadInfo& head, int field)
{
    return ShownText(RecordField(&head.MainRecord(), field));
}

std::string Names(const std::vector<std::string>& names, std::size_t from, std::size_t to)
{
    std::string out;
    for (std::size_t i = from; i < std::min(to, names.size()); ++i) {
        if (!out.empty())
            out += ",";
        out += names[i];
    }
    return out.empty() && from == 0 ? "-" : out;
}

TextTable GeneralTable(const CKpDoc& doc)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const HeaderFamily family = head.GetHeaderFamily();
    const SavedChannelNames saved = ListSavedChannels(doc);
    TextTable t;
    t.AddColumn(Str(7010));
    t.AddColumn(Str(7011));
    auto row = [&](std::string label, std::string value) { t.rows.push_back({ std::move(label), std::move(value) }); };
    row("Model", head.GetModelName(true, true));
    row("ROM Version", MainField(head, kRomVersion));
    row("Function", head.GetFunctionText());
    row("Shot", head.GetShotText());
    row("Trig Date", TriggerDateText(head));
    row("Trig Time", TriggerTimeText(head));
    const bool interval = family == HeaderFamily::Family3 || head.HasSamplingIntervalText();
    row(interval ? "Interval" : "Time/DIV", ShownText(head.GetTimePerDivText()));
    row("Expand", MainField(head, kExpand));
    row("Trig Mode", ShownText(head.GetTriggerMode()));
    row("Trig Source", MainField(head, kTrigSource));
    row(head.GetFunctionMode() == 1 ? "Trig Timing" : "PreTrig", ShownText(head.GetPreTriggerText()));
    // The condition's second line: empty when it has none.
    row("", RecordField(&head.MainRecord(), kTrigCondition));
    row("Timer Trig", MainField(head, kTimerTrig));
    row(" Start", MainField(head, kTimerTrig + 1));
    row(" Stop", MainField(head, kTimerTrig + 2));
    row(" Interval", MainField(head, kTimerTrig + 3));
    row("Manual Trig", MainField(head, kManualTrig));
    row("Ext Trig", MainField(head, kExtTrig));
    row("Use Channel", MainField(head, kUseChannel));
    row("Title Setting", MainField(head, kTitleSetting));
    row("Title", ShownText(RecordTitle(head)));
    row("Comment Setting", MainField(head, kCommentSetting));
    // Long lists go on in the row below.
    constexpr std::size_t kPerRow = 16;
    row("Saved Analog Channel", Names(saved.analog, 0, kPerRow));
    row(" ", Names(saved.analog, kPerRow, saved.analog.size()));
    if (family == HeaderFamily::Family3) {
        row("Saved Pulse Channel", Names(saved.pulse, 0, saved.pulse.size()));
        row("Saved Logic Unit", Names(saved.logicUnits, 0, saved.logicUnits.size()));
        return t;
    }
    row("Saved Logic Unit", Names(saved.logicUnits, 0, saved.logicUnits.size()));
    if (family == HeaderFamily::Family5 || family == HeaderFamily::Family6)
        row("Saved Wave Calc", Names(saved.waveCalc, 0, saved.waveCalc.size()));
    if (family == HeaderFamily::Family9)
        row("Saved Calc Channel", Names(saved.waveCalc, 0, saved.waveCalc.size()));
    if (family == HeaderFamily::Family8) {
        row("Saved Pulse Channel", Names(saved.pulse, 0, saved.pulse.size()));
        row("Saved CH Calc", Names(saved.channelCalc, 0, saved.channelCalc.size()));
        row("Saved Wave Calc", Names(saved.waveCalc, 0, saved.waveCalc.size()));
        row("Saved GPS Channel", Names(saved.gps, 0, saved.gps.size()));
    }
    return t;
}

TextTable SystemTable(const CWaveHeadInfo& head)
{
    TextTable t;
    t.AddColumn(Str(7017));
    t.AddColumn(Str(7018));
    for (int item = 0; item < 14; ++item)
        t.rows.push_back({ Str(7200 + item), head.GetSystemSettingText(item) });
    return t;
}

TextTable EventTable(const CKpDoc& doc, const CursorTextContext& c)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    TextTable t;
    t.AddColumn(Str(7019));
    t.AddColumn(Str(7020), CellAlign::Right);
    t.AddColumn(Str(7023));
    const EventMarkList marks = ReadEventMarks(head);
    const std::vector<std::string> comments = ReadEventComments(head);
    for (int i = 0; i < marks.Count(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        t.rows.push_back({ std::to_string(i + 1), EventMarkTimeText(c, head.GetTimePerDiv(), marks.At(i)),
            k < comments.size() ? comments[k] : std::string() });
    }
    return t;
}

TextTable WaveCalcTable(const CKpDoc& doc)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    TextTable t;
    for (int id = 7024; id <= 7027; ++id)
        t.AddColumn(Str(id));
    for (int z : RecordedWaveCalcChannels(doc)) {
        t.rows.push_back({ std::to_string(z + 1), ShownText(RecordField(head.FloatHeader(z), kFormula)),
            FloatComment(head, z), FloatUnitText(head, z) });
    }
    return t;
}

std::string Printf(const char* pattern, auto... args)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, args...);
    return buf;
}

} // namespace

std::string PropertyTabName(PropertyTab tab)
{
    return Str(7001 + static_cast<int>(tab));
}

std::string EventMarkTimeText(const CursorTextContext& c, double timePerDiv, std::int64_t p)
{
    const std::int64_t relative = p - c.trigger;
    const double s = static_cast<double>(relative) * c.sampleInterval;
    switch (c.notation) {
    case 1:
        return Printf("%.6fs", s);
    case 2:
        return Printf("%lld point", static_cast<long long>(relative));
    case 0: {
        // As many decimals as a hundredth of a division needs.
        const double hundredth = timePerDiv / 100.0;
        int precision
            = hundredth > 0 && std::isfinite(hundredth) ? static_cast<int>(-std::floor(std::log10(hundredth))) : 0;
        precision = std::clamp(precision, 0, 12);
        const std::string number = Printf("%0.*fs", precision, s);
        return Printf("%*s", precision + 5, number.c_str());
    }
    default: {
        const double a = std::abs(s);
        const auto whole = static_cast<long long>(std::floor(a));
        const long long days = whole / 86400, hours = whole / 3600 % 24, minutes = whole / 60 % 60;
        std::string text = s < 0 ? "-" : "";
        text += Printf("%02lldd%02lldh%02lldm", days, hours, minutes);
        const double seconds = a - static_cast<double>(whole - whole % 60);
        if (c.sampleInterval < 1 && c.sampleInterval > 0) {
            const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(c.sampleInterval) - 1e-9)), 1, 9);
            text += Printf("%0*.*fs", decimals + 3, decimals, seconds);
        } else {
            text += Printf("%02llds", whole % 60);
        }
        return text;
    }
    }
}

std::vector<int> ShownPropertyTabs(const PropertyTables& tables)
{
    std::vector<int> tabs;
    for (int t = 0; t < kPropertyTabs; ++t) {
        const TextTable& table = tables[static_cast<std::size_t>(t)];
        // A channel tab without channels, or a list without rows, is left out.
        const bool channelTab = t == static_cast<int>(PropertyTab::Analog) || t == static_cast<int>(PropertyTab::Logic)
            || t == static_cast<int>(PropertyTab::Pulse);
        if (!table.rows.empty() && !(channelTab && table.columns.size() < 2))
            tabs.push_back(t);
    }
    return tabs;
}

PropertyTables BuildPropertyTables(const CKpDoc& doc, const CursorTextContext& c)
{
    PropertyTables t;
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    t[static_cast<int>(PropertyTab::General)] = GeneralTable(doc);
    t[static_cast<int>(PropertyTab::Analog)] = AnalogPropertyTable(doc);
    t[static_cast<int>(PropertyTab::Logic)] = LogicPropertyTable(doc);
    t[static_cast<int>(PropertyTab::System)] = SystemTable(head);
    t[static_cast<int>(PropertyTab::EventMark)] = EventTable(doc, c);
    t[static_cast<int>(PropertyTab::Pulse)] = PulsePropertyTable(doc);
    t[static_cast<int>(PropertyTab::WaveCalc)] = WaveCalcTable(doc);
    return t;
}

} // namespace kp
