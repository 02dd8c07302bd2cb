#include "view/ViewRecordBuilder.h"

#include "interpret/ChannelDisplayValues.h"
#include "interpret/EventMarks.h"
#include "interpret/TriggerMoment.h"
#include "wavefile/CKpDoc.h"
#include "wavefile/ChannelScale.h"
#include "wavefile/ModelTables.h"

#include <algorithm>
#include <cmath>

namespace kp {

namespace {

// The display values the header gives a channel; without a position the
// channel stands on the centre line.
HeaderDisplay FromHeader(const CWaveHeadInfo& head, DisplayChannelClass kind, int index)
{
    const ChannelDisplayValues v = ReadChannelDisplayValues(head, kind, index);
    HeaderDisplay d;
    d.shown = v.shown;
    d.colour = v.colour;
    d.zoom = v.zoom;
    d.position = v.position.value_or(0.0);
    return d;
}

// How many codes one division of the wave area spans decides the height of
// a trace: z = (code - zero) / (codes per division x L), which puts the
// channel's zero on its position line and L divisions at the wave area's
// edge. The span of the geometry table enters as written in the formula,
// with the gain chosen so that this holds for fixed and header-given spans.
struct VerticalScale {
    double span = 1;
    double gain = 1;
};

VerticalScale AnalogScale(const DivisionGeometry& g, int codesPerDiv)
{
    const double cpd = codesPerDiv > 0 ? codesPerDiv : 1;
    const double l = std::max(g.divisionsPerHalf, 1);
    VerticalScale v;
    v.span = g.spanRule == SpanRule::Fixed ? g.fixedSpan : cpd * l;
    v.gain = v.span / (cpd * l);
    return v;
}

ValueChannel AnalogChannel(const CKpDoc& doc, const DivisionGeometry& g, int ch, bool pairs)
{
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    const ChannelScale scale = head.GetChannelScale(ch);
    const VerticalScale v = AnalogScale(g, head.GetDisplayCodesPerDiv(ch));
    ValueChannel c;
    c.index = ch;
    c.name = head.GetChannelName(ch, 0);
    c.scaling.span = v.span;
    c.header = FromHeader(head, DisplayChannelClass::Analog, ch);
    const auto& slot16 = doc.GetAnalog(ch);
    if (slot16.saved && !slot16.primary.empty()) {
        const std::int64_t zero = head.GetZeroCode(ch);
        if (scale.unsignedCodes) {
            using Columns = SummaryColumns<UnsignedCodeSummary>;
            c.coding = TraceCoding::Unsigned16;
            c.scaling.unsignedOffset = static_cast<double>(static_cast<std::uint16_t>(zero));
            c.scaling.gain2 = v.gain;
            c.primary = std::make_unique<Columns>(std::span<const std::uint16_t>(slot16.primary), 0);
            if (pairs && !slot16.secondary.empty())
                c.secondary = std::make_unique<Columns>(std::span<const std::uint16_t>(slot16.secondary), 0);
        } else {
            using Columns = SummaryColumns<SignedCodeSummary>;
            c.coding = TraceCoding::Signed16;
            c.scaling.codeOffset = -static_cast<double>(zero);
            c.scaling.gain = v.gain;
            c.primary = std::make_unique<Columns>(std::span<const std::uint16_t>(slot16.primary), 0);
            if (pairs && !slot16.secondary.empty())
                c.secondary = std::make_unique<Columns>(std::span<const std::uint16_t>(slot16.secondary), 0);
        }
        return c;
    }
    // 32-bit codes live in the logic table's slot of the same position.
    const auto& slot32 = doc.GetLogic(ch);
    c.coding = TraceCoding::Wide32;
    c.scaling.gain2 = v.gain;
    if (head.IsZeroReferenced(ch)) {
        using Columns = SummaryColumns<ZeroReferencedSummary>;
        const auto zero = static_cast<std::uint32_t>(head.GetZeroCode(ch));
        c.primary = std::make_unique<Columns>(std::span<const std::uint32_t>(slot32.primary), zero);
        if (pairs && !slot32.secondary.empty())
            c.secondary = std::make_unique<Columns>(std::span<const std::uint32_t>(slot32.secondary), zero);
    } else {
        using Columns = SummaryColumns<WideCodeSummary>;
        c.scaling.codeOffset = static_cast<double>(static_cast<std::uint32_t>(head.GetZeroCode(ch)));
        c.primary = std::make_unique<Columns>(std::span<const std::uint32_t>(slot32.primary), 0u);
        if (pairs && !slot32.secondary.empty())
            c.secondary = std::make_unique<Columns>(std::span<const std::uint32_t>(slot32.secondary), 0u);
    }
    return c;
}

// Calculation results are physical values without a division of their own:
// they are scaled so that their largest magnitude reaches the wave area's edge.
ValueChannel FloatChannel(const CKpDoc& doc, int z, bool pairs)
{
    const auto& slot = doc.GetFloat(z);
    using Columns = SummaryColumns<FloatSummary>;
    ValueChannel c;
    c.index = z;
    c.name = doc.GetHeadInfo().GetFloatChannelName(z);
    c.header = FromHeader(doc.GetHeadInfo(), DisplayChannelClass::Calc, z);
    c.coding = TraceCoding::Float;
    c.primary = std::make_unique<Columns>(std::span<const float>(slot.primary), 0.0f);
    if (pairs && !slot.secondary.empty())
        c.secondary = std::make_unique<Columns>(std::span<const float>(slot.secondary), 0.0f);
    double lo = 0, hi = 0, peak = 0;
    if (c.primary->Range(0, c.primary->size(), lo, hi))
        peak = std::max(std::abs(lo), std::abs(hi));
    if (c.secondary && c.secondary->Range(0, c.secondary->size(), lo, hi))
        peak = std::max({ peak, std::abs(lo), std::abs(hi) });
    c.scaling.gain = peak > 0 && std::isfinite(peak) ? 1.0 / peak : 1.0;
    return c;
}

// Counters are drawn by their counts, like analog codes by theirs: where the
// model's screen divides by the pulse full scale x L (a full-scale count is
// one division high, L divisions fill the half height), gain 1 and that
// divisor; elsewhere the whole 16-bit range spans the upper half.
ValueChannel PulseChannel(const CKpDoc& doc, const DivisionGeometry& g, int p)
{
    const auto& slot = doc.GetPulse(p);
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    ValueChannel c;
    c.index = p;
    c.name = head.GetPulseChannelName(p);
    c.coding = TraceCoding::Pulse;
    c.header = FromHeader(head, DisplayChannelClass::Pulse, p);
    if (g.pulseFullScaleDivisor) {
        c.scaling.gain = 1.0;
        c.scaling.divisor = static_cast<double>(head.GetPulseFullScale(p)) * std::max(g.divisionsPerHalf, 1);
    } else {
        c.scaling.gain = 1.0 / 65536.0;
        c.scaling.divisor = 1.0;
    }
    c.primary = std::make_unique<SummaryColumns<UnsignedCodeSummary>>(std::span<const std::uint16_t>(slot.primary), 0);
    return c;
}

// Logic units that the header places keep the default band height for each
// probe and stack their four probes upwards from the given position, first
// probe on top as in the default stack; the others keep the default stack.
void PlaceLogicUnits(const CWaveHeadInfo& head, std::vector<LogicChannel>& logic, int divisionsPerHalf)
{
    StackLogicChannels(logic, divisionsPerHalf);
    const int k = static_cast<int>(logic.size());
    if (k == 0)
        return;
    const double band = std::min(0.8 / k, 1.0 / std::max(divisionsPerHalf, 1));
    for (LogicChannel& c : logic) {
        const ChannelDisplayValues v = ReadChannelDisplayValues(head, DisplayChannelClass::LogicUnit, c.index / 4);
        c.header.shown = v.shown;
        c.header.colour = v.colour;
        if (v.position)
            c.header.position = *v.position + (3 - c.index % 4) * band + 0.2 * band;
    }
}

std::string UnitName(const CWaveHeadInfo& head, int unit)
{
    std::string name = head.GetLogicChannelName(4 * unit, 2);
    if (name.empty() || name.front() != 'L')
        name = "L" + name;
    return name;
}

} // namespace

void StackLogicChannels(std::vector<LogicChannel>& logic, int divisionsPerHalf)
{
    const int k = static_cast<int>(logic.size());
    if (k == 0)
        return;
    // At most two fifths of the wave area, so that the analog traces keep the rest.
    const double band = std::min(0.8 / k, 1.0 / std::max(divisionsPerHalf, 1));
    for (int i = 0; i < k; ++i) {
        LogicChannel& c = logic[static_cast<std::size_t>(i)];
        c.header.zoom = 0.6 * band;
        c.header.position = -1.0 + (k - 1 - i) * band + 0.2 * band;
    }
}

std::unique_ptr<ViewRecord> BuildViewRecord(const CKpDoc& doc)
{
    const std::int64_t points = std::min(doc.GetDataLength(), doc.GetPointsRead());
    if (!doc.IsLoaded() || points <= 0)
        return nullptr;
    const CWaveHeadInfo& head = doc.GetHeadInfo();
    auto r = std::make_unique<ViewRecord>();
    r->fileName = doc.GetTitle();
    r->filePath = doc.GetPathName().string();
    r->modelId = head.GetModelId();
    r->points = points;
    r->recordedPoints = doc.GetDataLength();
    r->pointsPerDivision0 = head.GetTimeAxisDataNum(false);
    r->pointsPerDivision1 = head.GetTimeAxisDataNum(true);
    r->timePerDiv = head.GetTimePerDiv();
    r->sampleInterval = head.GetSamplingInterval();
    r->hasTrigger = head.HasTriggerPoint();
    r->trigger = r->hasTrigger ? head.GetTriggerPoint() : -1;
    r->hasPostTrigger = head.HasPostTriggerPoint();
    r->postTrigger = r->hasPostTrigger ? head.GetPostTriggerPoint() : -1;
    r->externalClock = head.IsExternalSampling();
    r->triggerMoment = ReadTriggerMoment(head);
    r->startOffset = ReadTriggerStartOffset(head);
    r->events = ReadEventMarks(head).positions;

    DivisionGeometry g;
    DivisionGeometryForModel(r->modelId, g);
    const bool pairs = IsPairValuedFunction(head.GetFunctionMode());

    const int analogCount = std::min(doc.GetAnalogCount(), kViewAnalogChannels);
    for (int ch = 0; ch < analogCount; ++ch) {
        const bool has16 = doc.GetAnalog(ch).saved && !doc.GetAnalog(ch).primary.empty();
        const bool has32 = doc.GetLogic(ch).saved && !doc.GetLogic(ch).primary.empty();
        if (has16 || has32)
            r->analog.push_back(AnalogChannel(doc, g, ch, pairs));
    }
    const int floatCount = std::min(doc.GetFloatCount(), kViewCalcChannels);
    for (int z = 0; z < floatCount; ++z) {
        if (doc.GetFloat(z).saved && !doc.GetFloat(z).primary.empty())
            r->calc.push_back(FloatChannel(doc, z, pairs));
    }
    const int pulseCount = std::min(doc.GetPulseCount(), kViewPulseChannels);
    for (int p = 0; p < pulseCount; ++p) {
        if (doc.GetPulse(p).saved && !doc.GetPulse(p).primary.empty())
            r->pulse.push_back(PulseChannel(doc, g, p));
    }

    const LogicGroupTable& groups = doc.GetLogicGroups();
    r->logicGroups.resize(kLogicGroups);
    r->logicGroupsSecondary.resize(kLogicGroups);
    for (int gi = 0; gi < kLogicGroups; ++gi) {
        const auto& group = groups.groups[static_cast<std::size_t>(gi)];
        if (!group.saved || group.primary.empty())
            continue;
        r->logicGroups[static_cast<std::size_t>(gi)]
            = std::make_unique<LogicColumns>(std::span<const std::uint32_t>(group.primary));
        if (pairs && !group.secondary.empty())
            r->logicGroupsSecondary[static_cast<std::size_t>(gi)]
                = std::make_unique<LogicColumns>(std::span<const std::uint32_t>(group.secondary));
    }
    r->namePerLogicChannel = r->modelId == 6 || r->modelId == 10;
    r->logicUnitNames.resize(kLogicUnits);
    if (groups.logicPresent) {
        for (int unit = 0; unit < kLogicUnits; ++unit) {
            if (!groups.unitSaved[static_cast<std::size_t>(unit)] || !r->LogicGroup(unit / 8))
                continue;
            r->logicUnitNames[static_cast<std::size_t>(unit)] = UnitName(head, unit);
            for (int probe = 0; probe < 4; ++probe) {
                LogicChannel c;
                c.index = 4 * unit + probe;
                c.name = head.GetLogicChannelName(c.index, 0);
                r->logic.push_back(std::move(c));
            }
        }
    }
    PlaceLogicUnits(head, r->logic, g.divisionsPerHalf);
    return r;
}

} // namespace kp
