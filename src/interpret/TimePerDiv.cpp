// The time axis: seconds and points per division, and the texts that show them.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "format/HeaderNumber.h"
#include "interpret/ModelNamePlaces.h"
#include "interpret/ModelTables.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// The text after the leading run of digits and points: "500us" gives "us".
std::string_view UnitPart(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.'))
        ++i;
    return text.substr(i);
}

bool IsExternalText(std::string_view text)
{
    return text == "EXT" || text == "EXTERNAL";
}

double TimeUnitFactor(std::string_view unit)
{
    if (unit == "ms")
        return 0.001;
    if (unit == "us")
        return 0.000001;
    if (unit == "ns")
        return 0.000000001;
    if (unit == "min")
        return 60;
    if (unit == "h" || unit == "hour")
        return 3600;
    if (unit == "d")
        return 86400;
    return 1;
}

double OldTimeUnitFactor(std::string_view unit)
{
    if (unit == "ms/DIV")
        return 0.001;
    if (unit == "us/DIV")
        return 0.000001;
    if (unit == "min/DIV")
        return 60;
    if (unit == "h/DIV" || unit == "hour/DIV")
        return 3600;
    return 1;
}

// A sampling interval's unit: "m" milli unless "min", "k" kilo, "u" micro, "h" hours.
double IntervalUnitFactor(std::string_view unit)
{
    if (unit.starts_with("min"))
        return 60;
    if (unit.starts_with('m'))
        return 0.001;
    if (unit.starts_with('k'))
        return 1000;
    if (unit.starts_with('u'))
        return 0.000001;
    if (unit.starts_with('h'))
        return 3600;
    return 1;
}

std::string OldText(std::span<const std::uint8_t> old, std::size_t offset, std::size_t length)
{
    if (offset >= old.size())
        return {};
    length = std::min(length, old.size() - offset);
    const char* p = reinterpret_cast<const char*>(old.data() + offset);
    return std::string(p, strnlen(p, length));
}

} // namespace

std::string CWaveHeadInfo::TimePerDivFieldText() const
{
    if (headerFamily_ == 4)
        return OldText(OldHeader(), modelplaces::kOldTimePerDiv, modelplaces::kOldTimePerDivLength);
    return FieldText(main_, 11);
}

bool CWaveHeadInfo::IsExternalSampling() const
{
    return IsExternalText(TimePerDivFieldText());
}

bool CWaveHeadInfo::HasSamplingIntervalText() const
{
    return headerFamily_ == 3 || (modelId_ == 12 && GetFunctionMode() == kFunctionRms);
}

int CWaveHeadInfo::GetTimeAxisDataNum(bool displayValue) const
{
    long long points = 100;
    switch (headerFamily_) {
    case 0:
    case 1:
    case 2:
    case 5:
    case 6:
    case 8:
        points = FieldInt(main_, 10);
        break;
    case 7:
        if (!displayValue && FieldText(main_, 4) == "REALTIME")
            points = FieldInt(main_, 10);
        break;
    case 4:
        points
            = ParseIntPrefix(OldText(OldHeader(), modelplaces::kOldPointsPerDiv, modelplaces::kOldPointsPerDivLength));
        break;
    default:
        break;
    }
    // Every caller divides by it; a damaged field must not become a division by zero.
    if (points < 1)
        return 100;
    return points > 1'000'000'000 ? 1'000'000'000 : static_cast<int>(points);
}

double CWaveHeadInfo::GetTimePerDiv() const
{
    if (headerFamily_ < 0 || headerFamily_ > 9)
        return 0;
    const std::string text = TimePerDivFieldText();
    if (IsExternalText(text))
        return GetTimeAxisDataNum();
    if (headerFamily_ == 4)
        return static_cast<double>(ParseIntPrefix(text)) * OldTimeUnitFactor(UnitPart(text));
    if (HasSamplingIntervalText())
        return ParseHeaderDouble(text, 0.0) * IntervalUnitFactor(UnitPart(text)) * GetTimeAxisDataNum();
    // Only the leading integer counts: "0.5ms" reads as 0.
    return static_cast<double>(ParseIntPrefix(text)) * TimeUnitFactor(UnitPart(text));
}

double CWaveHeadInfo::GetSamplingInterval() const
{
    const std::string text = TimePerDivFieldText();
    if (HasSamplingIntervalText() && !IsExternalText(text))
        return ParseHeaderDouble(text, 0.0) * IntervalUnitFactor(UnitPart(text));
    return GetTimePerDiv() / GetTimeAxisDataNum();
}

std::string CWaveHeadInfo::GetTimePerDivText() const
{
    const std::string text = TimePerDivFieldText();
    if (IsExternalText(text))
        return "EXTERNAL";
    if (text.empty() || HasSamplingIntervalText() || text.ends_with("/DIV"))
        return text;
    return text + "/DIV";
}

} // namespace kp
