// Trigger texts: the mode, a channel's filter and level, and the one-line
// trigger setting that joins a channel's stored texts in the format of its
// trigger kind.
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/TriggerFields.h"
#include "resources/StringTable.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

constexpr std::string_view kMissing = "-";

// The numbered formats of the one-line trigger setting, named for the texts
// they join.
constexpr int kLevelSlopeFilter = 7300;
constexpr int kLowUpFilter = 7301;
constexpr int kLowUpLevel = 7302;
constexpr int kFrequencyLevel = 7303;
constexpr int kLevelSlope = 7304;
constexpr int kBaseWidthVolt = 7305;
constexpr int kLevelSlopeWidth = 7306;
constexpr int kLevelSlopeCountFilter = 7307;
constexpr int kPatternConditionFilter = 7308;
constexpr int kWidthLevelSlope = 7309;
constexpr int kLowUpLevelSlopeFilter = 7310;

constexpr std::array<std::string_view, 3> kFamily4Modes { "SINGLE", "REPEAT", "AUTO" };
constexpr std::array<std::string_view, 10> kFamily4Filters {
    "OFF",
    "0.1DIV",
    "0.2DIV",
    "0.5DIV",
    "1.0DIV",
    "1.5DIV",
    "2.0DIV",
    "2.0DIV",
    "5.0DIV",
    "10DIV",
};

std::string OrMissing(std::string text)
{
    return text.empty() ? std::string(kMissing) : text;
}

std::string Percent(unsigned value)
{
    return std::to_string(value) + "%";
}

// The numbered format with each "%s" replaced in turn; the arguments are
// header texts and never read as formats themselves.
std::string FormatNumbered(int id, std::initializer_list<std::string> arguments)
{
    std::string out(KpString(id));
    std::size_t at = 0;
    for (const std::string& argument : arguments) {
        at = out.find("%s", at);
        if (at == std::string::npos)
            break;
        out.replace(at, 2, argument);
        at += argument.size();
    }
    return out;
}

// Families whose trigger level and filter normally live in the channel's
// second record.
bool UsesSecondRecord(HeaderFamily family)
{
    return family == HeaderFamily::Family7 || family == HeaderFamily::Family8;
}

bool ReadsChannelRecord(HeaderFamily family)
{
    return family <= HeaderFamily::Family3 || family == HeaderFamily::Family5 || family == HeaderFamily::Family6;
}

} // namespace

std::string CWaveHeadInfo::GetTriggerMode() const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family4) {
        const std::uint8_t mode = layout::ByteAt(OldHeader(), layout::family4::kTriggerMode);
        return mode < kFamily4Modes.size() ? std::string(kFamily4Modes[mode]) : std::string(kMissing);
    }
    return OrMissing(
        FieldText(MainRecord(), family == HeaderFamily::Family0 ? trigger::kModeField0 : trigger::kModeField));
}

std::string CWaveHeadInfo::GetTriggerFilter(int ch, bool primaryRecord) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family4) {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        if (ch >= trigger::kFamily4TriggerChannels || block.empty())
            return std::string(kMissing);
        const std::uint8_t index = layout::ByteAt(block, layout::family4::kTriggerFilter);
        return index < kFamily4Filters.size() ? std::string(kFamily4Filters[index]) : std::string(kMissing);
    }
    if (ReadsChannelRecord(family) || (UsesSecondRecord(family) && primaryRecord))
        return OrMissing(fields::Text(ChannelHeader(ch), trigger::kFilterField));
    if (UsesSecondRecord(family))
        return OrMissing(fields::Text(ChannelHeader02(ch), trigger::kSecondFilterField));
    return std::string(kMissing);
}

std::string CWaveHeadInfo::GetTriggerLevel(int ch, bool primaryRecord) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family4) {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        if (ch >= trigger::kFamily4TriggerChannels || block.empty())
            return std::string(kMissing);
        return Percent(layout::ByteAt(block, layout::family4::kTriggerLevel));
    }
    if (ReadsChannelRecord(family) || (UsesSecondRecord(family) && primaryRecord))
        return OrMissing(fields::Text(ChannelHeader(ch), trigger::kLevelField));
    if (UsesSecondRecord(family))
        return OrMissing(fields::Text(ChannelHeader02(ch), trigger::kSecondLevelField));
    return std::string(kMissing);
}

std::string CWaveHeadInfo::GetTriggerSettingText(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family0)
        return {};
    if (family == HeaderFamily::Family4) {
        const auto block = layout::Family4ChannelBlock(*this, ch);
        if (ch < 0 || ch >= trigger::kFamily4TriggerChannels || block.empty())
            return std::string(kMissing);
        auto text
            = [&](std::size_t offset, std::size_t length) { return OrMissing(layout::TextAt(block, offset, length)); };
        using namespace layout::family4;
        switch (GetTriggerKind(ch)) {
        case TriggerKind::Level:
            return FormatNumbered(kLevelSlopeFilter,
                { GetTriggerLevel(ch), text(kTriggerSlope, kTriggerSlopeLength), GetTriggerFilter(ch) });
        case TriggerKind::WindowIn:
        case TriggerKind::WindowOut:
            return FormatNumbered(kLowUpFilter,
                { Percent(layout::ByteAt(block, kTriggerLower)), Percent(layout::ByteAt(block, kTriggerUpper)),
                    GetTriggerFilter(ch) });
        case TriggerKind::Pattern:
            return FormatNumbered(kPatternConditionFilter,
                { text(kTriggerPattern, kTriggerPatternLength), text(kTriggerCondition, kTriggerConditionLength),
                    GetTriggerFilter(ch) });
        default:
            return std::string(kMissing);
        }
    }
    if (family > HeaderFamily::Family8)
        return std::string(kMissing);
    if (family != HeaderFamily::Family8 && IsCalcChannel(ch))
        return std::string(kMissing);

    const HeaderRecord* record = ChannelHeader(ch);
    // A channel without a trigger text has no trigger setting, even where the
    // kind table reads the empty text as a kind.
    if (fields::Text(record, trigger::kKindField).empty())
        return std::string(kMissing);
    auto field = [&](int n) { return OrMissing(fields::Text(record, n)); };
    const std::string level = GetTriggerLevel(ch);
    const std::string filter = GetTriggerFilter(ch);
    const std::string slope = field(trigger::kSlopeField);
    switch (GetTriggerKind(ch)) {
    case TriggerKind::Level:
        return FormatNumbered(kLevelSlopeFilter, { level, slope, filter });
    case TriggerKind::WindowIn:
    case TriggerKind::WindowOut:
        return FormatNumbered(kLowUpFilter, { field(trigger::kLowerField), field(trigger::kUpperField), filter });
    case TriggerKind::VoltageDrop:
        return FormatNumbered(kFrequencyLevel, { field(trigger::kFrequencyField), level });
    case TriggerKind::Rms:
        return FormatNumbered(kLevelSlope, { level, slope });
    case TriggerKind::Cycle:
        return FormatNumbered(kLowUpLevel, { field(trigger::kLowerField), field(trigger::kUpperField), level });
    case TriggerKind::Judge:
        return FormatNumbered(kBaseWidthVolt,
            { field(trigger::kJudgeBaseField), field(trigger::kJudgeWidthField), field(trigger::kJudgeVoltField) });
    case TriggerKind::Glitch:
        return FormatNumbered(kLevelSlopeWidth, { level, slope, field(trigger::kWidthField) });
    case TriggerKind::Event:
        return FormatNumbered(kLevelSlopeCountFilter, { level, slope, field(trigger::kEventCountField), filter });
    case TriggerKind::PeriodIn:
    case TriggerKind::PeriodOut:
        return FormatNumbered(
            kLowUpLevelSlopeFilter, { field(trigger::kLowerField), field(trigger::kUpperField), level, slope, filter });
    case TriggerKind::Slope:
        return FormatNumbered(
            kWidthLevelSlope, { field(trigger::kWidthField), field(trigger::kSlopeLevelField), slope });
    default:
        return std::string(kMissing);
    }
}

} // namespace kp
