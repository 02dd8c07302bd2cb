#include "view/PropertyRows.h"

#include "export/ExportTexts.h"
#include "format/TextTrim.h"
#include "resources/StringTable.h"
#include "view/PropertyTables.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/ModelTables.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace kp {

namespace {

using namespace propertyfield;

constexpr int kFamily8FirstGps = 240;
constexpr int kFamily8LastGps = 252;

std::string Str(int id)
{
    return std::string(KpString(id));
}

bool AnalogRecorded(const CKpDoc& doc, int ch)
{
    const auto& s16 = doc.GetAnalog(ch);
    const auto& s32 = doc.GetLogic(ch);
    return (s16.saved && !s16.primary.empty())
        || (s32.saved && !s32.primary.empty() && doc.GetHeadInfo().IsWideChannel(ch));
}

bool LogicUnitRecorded(const CKpDoc& doc, int unit)
{
    const LogicGroupTable& groups = doc.GetLogicGroups();
    const auto& g = groups.groups[static_cast<std::size_t>(std::min(unit / 8, kLogicGroups - 1))];
    return groups.logicPresent && groups.unitSaved[static_cast<std::size_t>(unit)] && g.saved;
}

// One row per item, one column per channel: item(label row, channel) gives
// the cell.
using Cell = std::function<std::string(int channel)>;

void AddRows(TextTable& t, const std::vector<int>& channels, const std::vector<std::pair<std::string, Cell>>& items)
{
    for (const auto& [label, cell] : items) {
        std::vector<std::string> row { label };
        for (int ch : channels)
            row.push_back(cell ? cell(ch) : std::string());
        t.rows.push_back(std::move(row));
    }
}

} // namespace

std::string ShownText(const std::string& text)
{
    std::string t = TrimBoth(text);
    return t.empty() ? "-" : t;
}

std::string RecordField(const HeaderRecord* record, int field)
{
    return record != nullptr ? TrimBoth(FieldText(*record, field)) : std::string();
}

std::vector<int> RecordedAnalogChannels(const CKpDoc& doc)
{
    std::vector<int> channels;
    for (int ch = 0; ch < std::min(doc.GetAnalogCount(), kAnalogSlots); ++ch) {
        if (AnalogRecorded(doc, ch))
            channels.push_back(ch);
    }
    return channels;
}

std::vector<int> RecordedPulseChannels(const CKpDoc& doc)
{
    std::vector<int> pulses;
    for (int p = 0; p < std::min(doc.GetPulseCount(), kPulseSlots); ++p) {
        if (doc.GetPulse(p).saved)
            pulses.push_back(p);
    }
    return pulses;
}

std::vector<int> RecordedWaveCalcChannels(const CKpDoc& doc)
{
    std::vector<int> channels;
    for (int z = 0; z < std::min(doc.GetFloatCount(), kFloatSlots); ++z) {
        if (doc.GetFloat(z).saved)
            channels.push_back(z);
    }
    return channels;
}

SavedChannelNames ListSavedChannels(const CKpDoc& doc)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const HeaderFamily family = head.GetHeaderFamily();
    SavedChannelNames s;
    for (int ch : RecordedAnalogChannels(doc)) {
        const std::string name = head.GetChannelName(ch, 0);
        if (family == HeaderFamily::Family8 && ch >= kFamily8FirstGps && ch <= kFamily8LastGps)
            s.gps.push_back(name);
        else if (family == HeaderFamily::Family8 && head.IsCalcChannel(ch))
            s.channelCalc.push_back(name);
        else
            s.analog.push_back(name);
    }
    for (int z : RecordedWaveCalcChannels(doc))
        s.waveCalc.push_back(head.GetFloatChannelName(z));
    for (int p : RecordedPulseChannels(doc))
        s.pulse.push_back(head.GetPulseChannelName(p));
    for (int unit = 0; unit < kLogicUnits; ++unit) {
        if (LogicUnitRecorded(doc, unit))
            s.logicUnits.push_back(head.GetLogicChannelName(4 * unit, 2));
    }
    return s;
}

TextTable AnalogPropertyTable(const CKpDoc& doc)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const HeaderFamily family = head.GetHeaderFamily();
    TextTable t;
    t.AddColumn(Str(7012));
    const std::vector<int> channels = RecordedAnalogChannels(doc);
    for (int ch : channels)
        t.AddColumn(head.GetChannelName(ch, 2));
    auto field = [&head](int n) {
        return Cell([&head, n](int ch) { return ShownText(RecordField(head.ChannelHeader(ch), n)); });
    };
    std::vector<std::pair<std::string, Cell>> items {
        { Str(7100), [&](int ch) { return AmplifierText(head, ch); } },
        { Str(7101), field(3) },
        { Str(7102), [&](int ch) { return ShownText(head.GetModeText(ch)); } },
        { Str(7103), [&](int ch) { return ShownText(head.GetRangeText(ch)); } },
        { Str(7104), field(kPosition) },
        { Str(7105), field(kLpf) },
        { Str(7106), field(kAaf) },
        { Str(7107), field(kCoupling) },
        { Str(7108), field(kTrig) },
        { Str(7109), [&](int ch) { return head.GetTriggerSettingText(ch); } },
        { Str(7110), [&](int ch) { return AnalogComment(head, ch); } },
        { Str(7111), [&](int ch) { return ShownText(head.GetScalingText(ch)); } },
        { Str(7112), [&](int ch) { return ShownText(head.GetUnitText(ch)); } },
        { Str(7113), [&](int ch) { return ShownText(ScalingRatioText(head, ch)); } },
        { Str(7114), [&](int ch) { return ShownText(ScalingOffsetText(head, ch)); } },
        { Str(7115), field(kVariable) },
        { Str(7116), [&](int ch) { return ShownText(RecordField(head.ChannelHeader02(ch), kSecondUpper)); } },
        { Str(7117), [&](int ch) { return ShownText(RecordField(head.ChannelHeader02(ch), kSecondLower)); } },
        { Str(7118),
            [&](int ch) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.1f%%", head.GetVernier(ch) * 100.0);
                return std::string(buf);
            } },
        { Str(7119), field(kExpandFactor) },
        { Str(7120), field(kGraph) },
    };
    if (family == HeaderFamily::Family5 || family == HeaderFamily::Family6 || family == HeaderFamily::Family8
        || family == HeaderFamily::Family9) {
        items.push_back({ Str(7121), [&](int ch) {
                             char buf[64];
                             std::snprintf(buf, sizeof buf, "x%g", head.GetProbeRatio(ch));
                             return std::string(buf);
                         } });
    }
    if (family == HeaderFamily::Family9) {
        // No trigger per channel: the digital filter instead.
        items[8] = { "Digital Filter", field(kDigitalFilter) };
        items[9] = { "", Cell() };
    }
    AddRows(t, channels, items);
    return t;
}

TextTable LogicPropertyTable(const CKpDoc& doc)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const bool family3 = head.GetHeaderFamily() == HeaderFamily::Family3;
    TextTable t;
    t.AddColumn(Str(7015));
    std::vector<int> units;
    for (int unit = 0; unit < kLogicUnits; ++unit) {
        if (LogicUnitRecorded(doc, unit)) {
            units.push_back(unit);
            t.AddColumn(family3 ? std::string("LI") : head.GetLogicChannelName(4 * unit, 2));
        }
    }
    auto field
        = [&head](int n) { return Cell([&head, n](int u) { return ShownText(RecordField(head.LogicHeader(u), n)); }); };
    std::vector<std::pair<std::string, Cell>> items {
        { Str(7150), field(kPosition) },
        { Str(7151), field(kLogicCommentSetting) },
    };
    for (int probe = 0; probe < 4; ++probe) {
        char label[32];
        std::snprintf(label, sizeof label, std::string(KpString(family3 ? 7160 : 7152 + probe)).c_str(), probe + 1);
        items.push_back(
            { label, [&head, probe](int u) { return RecordField(head.LogicHeader(u), kProbeComments + probe); } });
    }
    items.push_back({ Str(7156), field(kTrig) });
    items.push_back({ Str(7157), field(kTrigPattern) });
    items.push_back({ Str(7158), [&](int u) { return ShownText(RecordField(head.LogicHeader(u), 15)); } });
    AddRows(t, units, items);
    return t;
}

TextTable PulsePropertyTable(const CKpDoc& doc)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    TextTable t;
    t.AddColumn(Str(7021));
    const std::vector<int> pulses = RecordedPulseChannels(doc);
    for (int p : pulses) {
        char title[16];
        std::snprintf(title, sizeof title, "P%d", p + 1);
        t.AddColumn(title);
    }
    auto field
        = [&head](int n) { return Cell([&head, n](int p) { return ShownText(RecordField(head.PulseHeader(p), n)); }); };
    const std::vector<std::pair<std::string, Cell>> items {
        { Str(7170), field(2) },
        { Str(7171), field(4) },
        { Str(7172), field(kPosition) },
        { Str(7173), field(kSlope) },
        { Str(head.GetHeaderFamily() == HeaderFamily::Family8 ? 7189 : 7174), field(kPulsePerRotation) },
        { Str(7175), field(kTrig) },
        { Str(7176), field(10) },
        { Str(7177), [&](int p) { return PulseComment(head, p); } },
        { Str(7178), field(21) },
        { Str(7179), [&](int p) { return ShownText(head.GetPulseUnitText(p)); } },
        { Str(7180), field(23) },
        { Str(7181), field(24) },
        { Str(7182), field(kPulseVariable) },
        { Str(7183), field(kPulseUpper) },
        { Str(7184), field(kPulseLower) },
        { Str(7185), field(kExpandFactor) },
        { Str(7186), field(kGraph) },
    };
    AddRows(t, pulses, items);
    return t;
}

} // namespace kp
