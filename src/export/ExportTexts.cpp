#include "export/ExportTexts.h"

#include "format/TextTrim.h"
#include "wavefile/CWaveHeadInfo.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace kp {

namespace {

std::string Field(const HeaderRecord* record, int field)
{
    return record != nullptr ? TrimBoth(FieldText(*record, field)) : std::string();
}

bool HasMainRecord(const CWaveHeadInfo& head) { return head.GetHeaderFamily() != 4; }

// The runs of digits of a text, as numbers ("24-06-11" gives 24, 6, 11).
std::vector<long long> Numbers(const std::string& text, std::vector<int>* widths = nullptr)
{
    std::vector<long long> out;
    for (std::size_t i = 0; i < text.size();) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        long long v = 0;
        int width = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++width)
            if (v < 100000000)
                v = v * 10 + (text[i] - '0');
        out.push_back(v);
        if (widths != nullptr)
            widths->push_back(width);
    }
    return out;
}

// Families 4, 7 and 8 keep ratio and offset as binary numbers (or hex
// doubles) rather than as texts.
bool StoresScalingText(const CWaveHeadInfo& head)
{
    const int family = head.GetHeaderFamily();
    return family != 4 && family != 7 && family != 8;
}

std::string PrintedNumber(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

} // namespace

std::string RecordTitle(const CWaveHeadInfo& head)
{
    return HasMainRecord(head) ? TrimBoth(FieldText(head.MainRecord(), exporttext::kTitleField)) : std::string();
}

std::string TriggerDateText(const CWaveHeadInfo& head)
{
    return HasMainRecord(head) ? TrimBoth(FieldText(head.MainRecord(), exporttext::kTrigDateField)) : "-";
}

std::string TriggerTimeText(const CWaveHeadInfo& head)
{
    return HasMainRecord(head) ? TrimBoth(FieldText(head.MainRecord(), exporttext::kTrigTimeField)) : "-";
}

DateTime TriggerMoment(const CWaveHeadInfo& head)
{
    std::vector<int> widths;
    const std::vector<long long> date = Numbers(TriggerDateText(head), &widths);
    const std::vector<long long> time = Numbers(TriggerTimeText(head));
    if (date.size() < 3)
        return DateTime();
    long long year = date[0];
    if (widths[0] <= 2)
        year += year < 70 ? 2000 : 1900;
    auto part = [](const std::vector<long long>& v, std::size_t i) {
        return i < v.size() && v[i] < 100 ? static_cast<int>(v[i]) : 0;
    };
    const auto moment = DateTime::FromCivil(year, part(date, 1), part(date, 2), part(time, 0), part(time, 1),
                                            part(time, 2));
    return moment.value_or(DateTime());
}

std::string AnalogComment(const CWaveHeadInfo& head, int ch)
{
    return Field(head.ChannelHeader(ch), exporttext::kCommentField);
}

std::string FloatComment(const CWaveHeadInfo& head, int z)
{
    return Field(head.FloatHeader(z), exporttext::kCommentField);
}

std::string PulseComment(const CWaveHeadInfo& head, int p)
{
    return Field(head.PulseHeader(p), exporttext::kCommentField);
}

std::string LogicUnitComment(const CWaveHeadInfo& head, int unit)
{
    return Field(head.LogicHeader(unit), exporttext::kCommentField);
}

std::string AmplifierText(const CWaveHeadInfo& head, int ch)
{
    const std::string text = Field(head.ChannelHeader(ch), exporttext::kModuleField);
    return text.empty() ? "-" : text;
}

std::string FloatUnitText(const CWaveHeadInfo& head, int z)
{
    return Field(head.FloatHeader(z), exporttext::kFloatUnitField);
}

std::string ScalingRatioText(const CWaveHeadInfo& head, int ch)
{
    const int field = head.GetHeaderFamily() == 0 ? 39 : exporttext::kRatioField;
    const std::string stored =
        head.IsScalingOn(ch) && StoresScalingText(head) ? Field(head.ChannelHeader(ch), field) : std::string();
    return stored.empty() ? PrintedNumber(head.GetScalingRatio(ch)) : stored;
}

std::string ScalingOffsetText(const CWaveHeadInfo& head, int ch)
{
    const int field = head.GetHeaderFamily() == 0 ? 40 : exporttext::kOffsetField;
    const std::string stored =
        head.IsScalingOn(ch) && StoresScalingText(head) ? Field(head.ChannelHeader(ch), field) : std::string();
    return stored.empty() ? PrintedNumber(head.GetScalingOffset(ch)) : stored;
}

} // namespace kp
