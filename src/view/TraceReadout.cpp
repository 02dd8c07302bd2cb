#include "view/TraceReadout.h"

#include "view/PropertyTables.h"

#include "export/ExportTexts.h"
#include "format/TextTrim.h"
#include "resources/StringTable.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/HeaderRecord.h"
#include "wavefile/ModelTables.h"

#include <algorithm>
#include <optional>

namespace kp {

namespace {

constexpr int kPulseDigits = 4;
constexpr int kFloatDigits = 7;

std::string Str(int id)
{
    return std::string(KpString(id));
}

std::string NameWithUnit(const std::string& name, const std::string& unit)
{
    return name + "[" + unit + "]";
}

template <typename T> std::optional<T> At(const std::vector<T>& v, std::int64_t i)
{
    if (i < 0 || i >= static_cast<std::int64_t>(v.size()))
        return std::nullopt;
    return v[static_cast<std::size_t>(i)];
}

// One row of a value list: name, A, B, calculation, comment.
struct ValueRow {
    const TraceOptions& options;
    int digits;
    std::string unit;
    std::vector<TraceRowNumbers>* numbers = nullptr;

    std::vector<std::string> Make(std::string name, std::optional<double> a, std::optional<double> b,
        std::optional<double> bMinusA, std::string comment, bool calcIsDifference) const
    {
        auto text = [&](std::optional<double> v) {
            return v ? TraceValueText(*v, digits, options.format, unit) : std::string();
        };
        std::optional<double> calc;
        if (a && b && bMinusA)
            calc = calcIsDifference ? *bMinusA : TraceCalculate(options.calc, *a, *b, *bMinusA);
        if (numbers)
            numbers->push_back({ unit, a, b, calc });
        return { std::move(name), text(a), text(b), text(calc), std::move(comment) };
    }
};

void AnalogRows(const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceOptions& o, bool pairs, TextTable& t,
    std::vector<TraceRowNumbers>* numbers)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const int count = std::min(doc.GetAnalogCount(), kAnalogSlots);
    for (int ch = 0; ch < count; ++ch) {
        const auto& s16 = doc.GetAnalog(ch);
        const auto& s32 = doc.GetLogic(ch);
        const bool narrow = s16.saved && !s16.primary.empty();
        const bool wide = !narrow && s32.saved && !s32.primary.empty() && head.IsWideChannel(ch);
        if (!narrow && !wide)
            continue;
        const ChannelScale scale = head.GetChannelScale(ch);
        const ValueRow row { o, head.GetDisplayDigits(ch), head.GetUnitText(ch), numbers };
        auto values = [&](bool secondary, std::string name, std::string comment) {
            std::optional<double> va, vb, d;
            if (narrow) {
                const auto& v = secondary ? s16.secondary : s16.primary;
                const auto ca = At(v, a), cb = At(v, b);
                if (ca)
                    va = scale.Apply16(*ca);
                if (cb)
                    vb = scale.Apply16(*cb);
                if (ca && cb)
                    d = scale.Difference16(*ca, *cb);
            } else {
                const auto& v = secondary ? s32.secondary : s32.primary;
                const auto ca = At(v, a), cb = At(v, b);
                if (ca)
                    va = scale.Apply32(*ca);
                if (cb)
                    vb = scale.Apply32(*cb);
                if (ca && cb)
                    d = scale.Difference32(*ca, *cb);
            }
            t.rows.push_back(row.Make(std::move(name), va, vb, d, std::move(comment), false));
        };
        values(false, head.GetChannelNameWithUnit(ch), AnalogComment(head, ch));
        if (pairs)
            values(true, {}, {});
    }
}

void CalcRows(const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceOptions& o, bool pairs, TextTable& t,
    std::vector<TraceRowNumbers>* numbers)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const int count = std::min(doc.GetFloatCount(), kFloatSlots);
    for (int z = 0; z < count; ++z) {
        const auto& s = doc.GetFloat(z);
        if (!s.saved || s.primary.empty())
            continue;
        const ValueRow row { o, kFloatDigits, FloatUnitText(head, z), numbers };
        auto values = [&](const std::vector<float>& v, std::string name, std::string comment) {
            const auto fa = At(v, a), fb = At(v, b);
            std::optional<double> va, vb, d;
            if (fa)
                va = static_cast<double>(*fa);
            if (fb)
                vb = static_cast<double>(*fb);
            if (va && vb)
                d = *vb - *va;
            t.rows.push_back(row.Make(std::move(name), va, vb, d, std::move(comment), false));
        };
        values(s.primary, NameWithUnit(head.GetFloatChannelName(z), row.unit), FloatComment(head, z));
        if (pairs)
            values(s.secondary, {}, {});
    }
}

void PulseRows(const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceOptions& o, TextTable& t,
    std::vector<TraceRowNumbers>* numbers)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const int count = std::min(doc.GetPulseCount(), kPulseSlots);
    for (int p = 0; p < count; ++p) {
        const auto& s = doc.GetPulse(p);
        if (!s.saved || s.primary.empty())
            continue;
        const PulseScale scale = head.GetPulseScale(p);
        const ValueRow row { o, kPulseDigits, head.GetPulseUnitText(p), numbers };
        const auto ca = At(s.primary, a), cb = At(s.primary, b);
        std::optional<double> va, vb, d;
        if (ca)
            va = scale.Apply(*ca);
        if (cb)
            vb = scale.Apply(*cb);
        if (ca && cb)
            d = (static_cast<double>(*cb) - static_cast<double>(*ca)) * scale.scale;
        t.rows.push_back(
            row.Make(NameWithUnit(head.GetPulseChannelName(p), row.unit), va, vb, d, PulseComment(head, p), true));
    }
}

std::string ProbeComment(const CWaveHeadInfo& head, int unit, int probe)
{
    const HeaderRecord* r = head.LogicHeader(unit);
    return r ? TrimBoth(FieldText(*r, propertyfield::kProbeComments + probe)) : std::string();
}

void LogicRows(const CKpDoc& doc, std::int64_t a, std::int64_t b, TextTable& t, std::vector<TraceRowNumbers>* numbers)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const LogicGroupTable& groups = doc.GetLogicGroups();
    if (!groups.logicPresent)
        return;
    auto bit = [&](int d, std::int64_t i) -> std::string {
        const int g = std::min(d / 32, kLogicGroups - 1);
        const auto& words = groups.groups[static_cast<std::size_t>(g)].primary;
        const auto w = At(words, i);
        if (!w)
            return {};
        return (*w >> (d % 32)) & 1u ? "1" : "0";
    };
    for (int unit = 0; unit < kLogicUnits; ++unit) {
        if (!groups.unitSaved[static_cast<std::size_t>(unit)])
            continue;
        const int g = std::min(unit * 4 / 32, kLogicGroups - 1);
        const auto& group = groups.groups[static_cast<std::size_t>(g)];
        if (!group.saved || group.primary.empty())
            continue;
        for (int probe = 0; probe < 4; ++probe) {
            const int d = unit * 4 + probe;
            t.rows.push_back({ head.GetLogicChannelName(d, 1), bit(d, a), bit(d, b), ProbeComment(head, unit, probe) });
            if (numbers) {
                auto number = [](const std::string& bitText) -> std::optional<double> {
                    if (bitText.empty())
                        return std::nullopt;
                    return bitText == "1" ? 1.0 : 0.0;
                };
                numbers->push_back({ {}, number(t.rows.back()[1]), number(t.rows.back()[2]), std::nullopt });
            }
        }
    }
}

TextTable ValueTable(int firstId, const std::string& calcTitle)
{
    TextTable t;
    t.AddColumn(Str(firstId), CellAlign::Left);
    t.AddColumn(Str(firstId + 1), CellAlign::Right);
    t.AddColumn(Str(firstId + 2), CellAlign::Right);
    t.AddColumn(calcTitle.empty() ? Str(firstId + 3) : calcTitle, CellAlign::Right);
    t.AddColumn(Str(firstId + 4), CellAlign::Left);
    return t;
}

TextTable BitTable(int firstId)
{
    TextTable t;
    t.AddColumn(Str(firstId), CellAlign::Left);
    t.AddColumn(Str(firstId + 1), CellAlign::Centre);
    t.AddColumn(Str(firstId + 2), CellAlign::Centre);
    t.AddColumn(Str(firstId + 3), CellAlign::Left);
    return t;
}

} // namespace

TraceTables EmptyTraceTables(TraceCalcType calc)
{
    const std::string title = TraceCalcTitle(calc);
    TraceTables tables;
    tables[static_cast<int>(TraceTab::Analog)] = ValueTable(10000, title);
    tables[static_cast<int>(TraceTab::Pulse)] = ValueTable(10010, {});
    tables[static_cast<int>(TraceTab::Logic)] = BitTable(10020);
    tables[static_cast<int>(TraceTab::Alarm)] = BitTable(10030);
    tables[static_cast<int>(TraceTab::Calc)] = ValueTable(10000, title);
    return tables;
}

TraceTables BuildTraceTables(
    const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceOptions& options, TraceNumbers* numbers)
{
    auto sink = [&](TraceTab tab) { return numbers ? &(*numbers)[static_cast<int>(tab)] : nullptr; };
    TraceTables tables = EmptyTraceTables(options.calc);
    if (!doc.IsLoaded())
        return tables;
    const bool pairs = IsPairValuedFunction(doc.GetHeadInfo().GetFunctionMode());
    AnalogRows(doc, a, b, options, pairs, tables[static_cast<int>(TraceTab::Analog)], sink(TraceTab::Analog));
    PulseRows(doc, a, b, options, tables[static_cast<int>(TraceTab::Pulse)], sink(TraceTab::Pulse));
    LogicRows(doc, a, b, tables[static_cast<int>(TraceTab::Logic)], sink(TraceTab::Logic));
    CalcRows(doc, a, b, options, pairs, tables[static_cast<int>(TraceTab::Calc)], sink(TraceTab::Calc));
    return tables;
}

const char* TraceTabName(TraceTab tab)
{
    switch (tab) {
    case TraceTab::Analog:
        return "Analog";
    case TraceTab::Pulse:
        return "Pulse";
    case TraceTab::Logic:
        return "Logic";
    case TraceTab::Alarm:
        return "Alarm";
    case TraceTab::Calc:
        return "Wave Calc";
    }
    return "";
}

} // namespace kp
