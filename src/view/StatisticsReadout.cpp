#include "view/StatisticsReadout.h"

#include "export/ExportTexts.h"
#include "format/SiFormat.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/ModelTables.h"

#include <algorithm>
#include <cstdio>

namespace kp {

namespace {

constexpr int kPulseDigits = 4;
constexpr int kFloatDigits = 7;

std::string NameWithUnit(const std::string& name, const std::string& unit)
{
    return name + "[" + unit + "]";
}

std::string Percent(std::int64_t part, std::int64_t whole)
{
    char buf[32];
    std::snprintf(
        buf, sizeof buf, "%.1f%%", whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0);
    return buf;
}

} // namespace

std::int64_t ChannelValues::size() const
{
    switch (coding) {
    case Coding::Code16:
    case Coding::Pulse:
        return static_cast<std::int64_t>(codes16.size());
    case Coding::Code32:
        return static_cast<std::int64_t>(codes32.size());
    case Coding::Float:
        return static_cast<std::int64_t>(floats.size());
    }
    return 0;
}

void StatisticsReadout::Prepare(const CKpDoc& doc)
{
    if (doc_ == &doc && revision_ == doc.GetRevision())
        return;
    doc_ = &doc;
    revision_ = doc.GetRevision();
    channels_.clear();
    probes_.clear();
    if (!doc.IsLoaded())
        return;
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const bool pairs = IsPairValuedFunction(head.GetFunctionMode());
    auto add = [&](std::string name, std::string unit, int digits, ChannelValues v) {
        ValueChannel c { std::move(name), std::move(unit), digits, v, {} };
        c.moments = BlockMoments(v.size(), c.values);
        channels_.push_back(std::move(c));
    };

    for (int ch = 0; ch < std::min(doc.GetAnalogCount(), kAnalogSlots); ++ch) {
        const auto& s16 = doc.GetAnalog(ch);
        const auto& s32 = doc.GetLogic(ch);
        const bool narrow = s16.saved && !s16.primary.empty();
        const bool wide = !narrow && s32.saved && !s32.primary.empty() && head.IsWideChannel(ch);
        if (!narrow && !wide)
            continue;
        ChannelValues v;
        v.scale = head.GetChannelScale(ch);
        v.coding = narrow ? ChannelValues::Coding::Code16 : ChannelValues::Coding::Code32;
        const std::string name = head.GetChannelNameWithUnit(ch);
        for (int side = 0; side < (pairs ? 2 : 1); ++side) {
            if (narrow)
                v.codes16 = side == 0 ? s16.primary : s16.secondary;
            else
                v.codes32 = side == 0 ? s32.primary : s32.secondary;
            add(side == 0 ? name : std::string(), head.GetUnitText(ch), head.GetDisplayDigits(ch), v);
        }
    }
    for (int z = 0; z < std::min(doc.GetFloatCount(), kFloatSlots); ++z) {
        const auto& s = doc.GetFloat(z);
        if (!s.saved || s.primary.empty())
            continue;
        const std::string unit = FloatUnitText(head, z);
        ChannelValues v;
        v.coding = ChannelValues::Coding::Float;
        for (int side = 0; side < (pairs ? 2 : 1); ++side) {
            v.floats = side == 0 ? s.primary : s.secondary;
            add(side == 0 ? NameWithUnit(head.GetFloatChannelName(z), unit) : std::string(), unit, kFloatDigits, v);
        }
    }
    for (int p = 0; p < std::min(doc.GetPulseCount(), kPulseSlots); ++p) {
        const auto& s = doc.GetPulse(p);
        if (!s.saved || s.primary.empty())
            continue;
        ChannelValues v;
        v.coding = ChannelValues::Coding::Pulse;
        v.pulse = head.GetPulseScale(p);
        v.codes16 = s.primary;
        const std::string unit = head.GetPulseUnitText(p);
        add(NameWithUnit(head.GetPulseChannelName(p), unit), unit, kPulseDigits, v);
    }

    const LogicGroupTable& groups = doc.GetLogicGroups();
    if (!groups.logicPresent)
        return;
    for (int unit = 0; unit < kLogicUnits; ++unit) {
        const int g = std::min(unit * 4 / 32, kLogicGroups - 1);
        const auto& group = groups.groups[static_cast<std::size_t>(g)];
        if (!groups.unitSaved[static_cast<std::size_t>(unit)] || !group.saved || group.primary.empty())
            continue;
        for (int probe = 0; probe < 4; ++probe) {
            const int d = unit * 4 + probe;
            probes_.push_back({ head.GetLogicChannelName(d, 1), BlockLogicCounts(group.primary, d % 32) });
        }
    }
}

TextTable StatisticsReadout::Build(const CKpDoc& doc, std::int64_t a, std::int64_t b, const TraceNumberFormat& format)
{
    Prepare(doc);
    TextTable t;
    t.AddColumn("CH");
    for (const char* title : { "Min", "Max", "P-P", "Mean", "RMS", "SD" })
        t.AddColumn(title, CellAlign::Right);
    t.AddColumn("Skipped", CellAlign::Right);
    for (const ValueChannel& c : channels_) {
        const Moments m = c.moments.Query(c.values, a, b);
        auto text = [&](double v) { return TraceValueText(v, c.digits, format, c.unit); };
        if (m.count == 0) {
            t.rows.push_back({ c.name, "", "", "", "", "", "", std::to_string(m.skipped) });
            continue;
        }
        t.rows.push_back({ c.name, text(m.min), text(m.max), text(m.max - m.min), text(m.mean), text(m.Rms()),
            text(m.StandardDeviation()), std::to_string(m.skipped) });
    }
    if (!probes_.empty()) {
        // The logic probes under titles of their own.
        t.rows.push_back({ "LCH", "Rising", "Falling", "High", "", "", "", "" });
        for (const LogicProbe& p : probes_) {
            const LogicCounts c = p.counts.Query(a, b);
            t.rows.push_back({ p.name, std::to_string(c.rising), std::to_string(c.falling), Percent(c.high, c.points),
                "", "", "", "" });
        }
    }
    return t;
}

std::string StatisticsReadout::SummaryLine(double sampleInterval, std::int64_t a, std::int64_t b)
{
    const std::int64_t d = b - a;
    const double dt = static_cast<double>(d) * sampleInterval;
    std::string line = "dt=" + FormatSiValue(dt, false, true, -6) + "s  1/dt=";
    line += d > 0 && sampleInterval > 0 ? FormatSiValue(1.0 / dt, false, true, -4) + "Hz" : std::string("---Hz");
    line += "  n=" + std::to_string(d + 1);
    return line;
}

} // namespace kp
