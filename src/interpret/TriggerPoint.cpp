// Where the time axis is 0: the trigger point follows from the pre-trigger
// setting, which the instruments store as a share of the record ("10%") or as
// a number of divisions ("2DIV"); the oldest family stores a percentage byte.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/RangeText.h"
#include "interpret/TriggerFields.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelTables.h"

namespace kp {

namespace {

std::int64_t Share(std::int64_t length, double percent)
{
    const double points = std::floor(static_cast<double>(length) * percent / 100.0);
    return static_cast<std::int64_t>(std::clamp(points, 0.0, static_cast<double>(length)));
}

std::optional<std::int64_t> TriggerPointOf(const CWaveHeadInfo& head)
{
    const std::int64_t length = head.GetDataLength();
    const HeaderFamily family = head.GetHeaderFamily();
    if (family == HeaderFamily::Family4)
        return Share(length, layout::ByteAt(head.OldHeader(), layout::family4::kPreTrigger));
    // Under REC the field holds the trigger timing ("START", "STOP"), which
    // puts no point at time 0.
    if (head.GetFunctionMode() == kFunctionRec)
        return std::nullopt;
    std::string text = FieldText(
        head.MainRecord(), family == HeaderFamily::Family0 ? trigger::kPreTriggerField0 : trigger::kPreTriggerField);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    text.erase(0, first);
    std::string unit(UnitPart(text));
    if (unit.size() == text.size())
        return std::nullopt; // no number
    unit.erase(0, std::min(unit.find_first_not_of(' '), unit.size()));
    while (!unit.empty() && unit.back() == ' ')
        unit.pop_back();
    const double value = LeadingNumber(text);
    if (unit == "%")
        return Share(length, value);
    if (fields::EqualsNoCase(unit, "DIV")) {
        const double points = std::floor(value * static_cast<double>(head.GetTimeAxisDataNum()));
        return static_cast<std::int64_t>(std::clamp(points, 0.0, static_cast<double>(length)));
    }
    return std::nullopt;
}

} // namespace

std::int64_t CWaveHeadInfo::GetTriggerPoint() const
{
    return TriggerPointOf(*this).value_or(0);
}

bool CWaveHeadInfo::HasTriggerPoint() const
{
    return TriggerPointOf(*this).has_value();
}

// None of the header layouts stores a post-trigger position of its own.
std::int64_t CWaveHeadInfo::GetPostTriggerPoint() const
{
    return 0;
}

bool CWaveHeadInfo::HasPostTriggerPoint() const
{
    return false;
}

} // namespace kp
