#include "export/ExportPlan.h"

#include "export/ExportTexts.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelTables.h"
#include "wavefile/SampleLayout.h"

#include <algorithm>

namespace kp {

namespace {

// Probes of a 32-bit logic unit (four letters of four probes).
constexpr int kProbesPerWordUnit = 16;

class PlanBuilder {
public:
    PlanBuilder(const CWaveHeadInfo& head, const SampleLayout& samples, const ExportChoices& choices)
        : head_(head)
        , samples_(samples)
        , choices_(choices)
        , family_(head.GetHeaderFamily())
    {
    }

    ExportPlan build()
    {
        ExportPlan plan;
        plan.header = choices_.header;
        plan.notation = std::clamp(choices_.notation, 0, 3);
        plan.thinOut = std::max(1, choices_.thinOut);
        ExportLayout& layout = plan.layout;
        layout.style = MakeTextStyle(choices_.format, choices_.crlf);

        ExportTimeColumn& time = layout.time;
        time.present = choices_.header.timeColumn && choices_.format != kFormatMakerText;
        time.notation = plan.notation;
        time.precision = TimePrecision(family_, head_.GetModelId());
        time.triggerPoint = head_.GetTriggerPoint();
        time.interval = head_.GetSamplingInterval();
        time.triggerMoment = TriggerMoment(head_);

        ExportHeaderTexts& texts = plan.texts;
        texts.title = RecordTitle(head_);
        texts.shot = head_.GetShotText();
        texts.interval = head_.GetTimePerDivText();
        texts.trigDate = TriggerDateText(head_);
        texts.trigTime = TriggerTimeText(head_);
        texts.intervalLabel = family_ == HeaderFamily::Family3
            || (head_.GetModelId() == kModelId4267 && head_.GetFunctionMode() == kFunctionRms);
        texts.secondsPerPoint = time.interval;

        texts_ = &texts;
        layout_ = &layout;
        addAnalogPositions();
        addPulses();
        addFloats();
        addWordUnits();
        addClassicUnits();
        return plan;
    }

private:
    // A value column, or the maximum and minimum columns of a pair.
    void addValue(ColumnSource source, int slot, int precision, std::function<double(std::uint32_t)> value,
        const std::string& name, const std::string& comment, const std::string& unit)
    {
        const std::string shown = columnName(name, comment);
        const int digits = std::clamp(precision, 0, kMaxColumnPrecision);
        if (!samples_.pairs) {
            layout_->columns.push_back({ source, slot, false, 0, digits, value });
            texts_->columns.push_back({ shown, "", unit, true });
            return;
        }
        const bool upper = family_ == HeaderFamily::Family5;
        layout_->columns.push_back({ source, slot, false, 0, digits, value });
        layout_->columns.push_back({ source, slot, true, 0, digits, value });
        texts_->columns.push_back({ shown, upper ? "(MAX)" : "(Max)", unit, true });
        texts_->columns.push_back({ shown, upper ? "(MIN)" : "(Min)", unit, true });
    }

    void addBit(ColumnSource source, int slot, int bit, const std::string& name, const char* first, const char* second)
    {
        layout_->columns.push_back({ source, slot, false, bit, 0, {} });
        if (!samples_.pairs) {
            texts_->columns.push_back({ name, "", "", false });
            return;
        }
        layout_->columns.push_back({ source, slot, true, bit, 0, {} });
        texts_->columns.push_back({ name, first, "", false });
        texts_->columns.push_back({ name, second, "", false });
    }

    std::string columnName(const std::string& name, const std::string& comment) const
    {
        return choices_.headerType == kHeaderChannelComments && !comment.empty() ? comment : name;
    }

    void addAnalogPositions()
    {
        for (int ch = 0; ch < kAnalogSlots; ++ch) {
            const bool analog = samples_.analogSaved[static_cast<std::size_t>(ch)];
            const bool wide = samples_.logicSaved[static_cast<std::size_t>(ch)] && head_.IsWideChannel(ch);
            if (!analog && !wide)
                continue;
            const std::string name = head_.GetChannelName(ch, 0);
            const std::string comment = AnalogComment(head_, ch);
            const ChannelScale scale = head_.GetChannelScale(ch);
            if (analog)
                addValue(
                    ColumnSource::Analog, ch, head_.GetDisplayDigits(ch),
                    [scale](std::uint32_t c) { return scale.Apply16(static_cast<std::uint16_t>(c)); }, name, comment,
                    head_.GetUnitText(ch));
            else
                addValue(
                    ColumnSource::LogicWord, ch, head_.GetDisplayDigits(ch),
                    [scale](std::uint32_t c) { return scale.Apply32(c); }, name, comment, head_.GetUnitText(ch));

            ChannelInfoLine line;
            line.kind = wide || head_.IsCalcChannel(ch) ? ChannelInfoLine::Kind::NoFilter : ChannelInfoLine::Kind::Full;
            line.name = name;
            line.amp = AmplifierText(head_, ch);
            line.range = head_.GetRangeText(ch);
            line.comment = comment;
            line.scaling = head_.GetScalingText(ch);
            line.ratio = ScalingRatioText(head_, ch);
            line.offset = ScalingOffsetText(head_, ch);
            line.filter = head_.GetTriggerFilter(ch);
            texts_->channels.push_back(line);
        }
    }

    void addPulses()
    {
        // Pulse counts print like the family's channels: 7 significant
        // decimals in family 8, 5 elsewhere.
        const int digits = family_ == HeaderFamily::Family8 ? 7 : 5;
        for (int p = 0; p < std::min(samples_.pulseCount, kPulseSlots); ++p) {
            if (!samples_.pulseSaved[static_cast<std::size_t>(p)])
                continue;
            const std::string name = head_.GetPulseChannelName(p);
            const std::string comment = PulseComment(head_, p);
            const PulseScale scale = head_.GetPulseScale(p);
            addValue(
                ColumnSource::Pulse, p, digits,
                [scale](std::uint32_t c) { return scale.Apply(static_cast<std::uint16_t>(c)); }, name, comment,
                head_.GetPulseUnitText(p));
            texts_->channels.push_back(
                { ChannelInfoLine::Kind::NameComment, name, "", "", comment, "", "", "", "", 'A' });
        }
    }

    void addFloats()
    {
        // Single-precision values carry about 7 significant decimals.
        constexpr int kFloatDigits = 7;
        for (int z = 0; z < std::min(samples_.floatCount, kFloatSlots); ++z) {
            if (!samples_.floatSaved[static_cast<std::size_t>(z)])
                continue;
            const std::string name = head_.GetFloatChannelName(z);
            const std::string comment = FloatComment(head_, z);
            addValue(ColumnSource::Float, z, kFloatDigits, {}, name, comment, FloatUnitText(head_, z));
            texts_->channels.push_back(
                { ChannelInfoLine::Kind::NameComment, name, "", "", comment, "", "", "", "", 'A' });
        }
    }

    void addWordUnits()
    {
        for (int s = 0; s < kLogicSlots; ++s) {
            if (!samples_.logicSaved[static_cast<std::size_t>(s)] || head_.IsWideChannel(s))
                continue;
            for (int bit = 0; bit < kProbesPerWordUnit; ++bit)
                addBit(ColumnSource::LogicBit, s, bit, head_.GetLogicChannelName(s * kProbesPerWordUnit + bit, 0),
                    "(Max)", "(Min)");
            texts_->channels.push_back(
                { ChannelInfoLine::Kind::NameComment, head_.GetLogicChannelName(s * kProbesPerWordUnit, 2), "", "",
                    AnalogComment(head_, s), "", "", "", "", 'A' });
        }
    }

    void addClassicUnits()
    {
        for (int unit = 0; unit < std::min(samples_.logicUnits, kLogicUnits); ++unit) {
            if (!samples_.unitSaved[static_cast<std::size_t>(unit)])
                continue;
            // Unit j's probes are bits 4(j % 8) .. 4(j % 8) + 3 of group j / 8,
            // probe 1 in the lowest bit.
            for (int probe = 0; probe < 4; ++probe)
                addBit(ColumnSource::GroupBit, unit / 8, 4 * (unit % 8) + probe,
                    head_.GetLogicChannelName(4 * unit + probe, 0), "(OR)", "(AND)");
            ChannelInfoLine line;
            line.kind = ChannelInfoLine::Kind::LogicUnit;
            line.comment = LogicUnitComment(head_, unit);
            line.unitLetter = static_cast<char>('A' + unit % 26);
            texts_->channels.push_back(line);
        }
    }

    const CWaveHeadInfo& head_;
    const SampleLayout& samples_;
    const ExportChoices& choices_;
    HeaderFamily family_;
    ExportHeaderTexts* texts_ = nullptr;
    ExportLayout* layout_ = nullptr;
};

} // namespace

ExportChoices ChoicesOf(const ConversionRequest& request)
{
    ExportChoices c;
    c.format = request.format;
    c.crlf = request.crlf;
    c.notation = request.notation;
    c.header = request.header;
    c.headerType = request.headerType;
    c.thinOut = request.thinOut;
    return c;
}

int TimePrecision(HeaderFamily family, int modelId)
{
    switch (family) {
    case HeaderFamily::Family0:
        return 6;
    case HeaderFamily::Family1:
        return modelId == 3 ? 8 : 7;
    case HeaderFamily::Family2:
        return 9;
    case HeaderFamily::Family3:
        return 9;
    case HeaderFamily::Family4:
        return 6;
    case HeaderFamily::Family5:
        return 9;
    case HeaderFamily::Family6:
        return 10;
    case HeaderFamily::Family7:
        return 11;
    case HeaderFamily::Family8:
        return 10;
    case HeaderFamily::Family9:
        return 10;
    default:
        return 7;
    }
}

ExportPlan BuildExportPlan(const CWaveHeadInfo& head, const SampleLayout& samples, const ExportChoices& choices)
{
    return PlanBuilder(head, samples, choices).build();
}

} // namespace kp
