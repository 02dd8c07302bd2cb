// The time axis: seconds and points per division, and the texts that show them.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "format/HeaderNumber.h"
#include "format/TextTrim.h"
#include "interpret/RangeText.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ModelNamePlaces.h"
#include "wavefile/ModelTables.h"

namespace kp {

namespace {

bool IsExternalText(std::string_view text)
{
    return text == "EXT" || text == "EXTERNAL";
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
    if (headerFamily_ == HeaderFamily::Family4)
        return OldText(OldHeader(), modelplaces::kOldTimePerDiv, modelplaces::kOldTimePerDivLength);
    return FieldText(main_, 11);
}

bool CWaveHeadInfo::IsExternalSampling() const
{
    // The recorder family's X-Y records are clocked by the input, whatever
    // their time/div field says.
    if (headerFamily_ == HeaderFamily::Family6 && GetFunctionMode() == kFunctionXyc)
        return true;
    return IsExternalText(TrimmedView(TimePerDivFieldText()));
}

bool CWaveHeadInfo::HasSamplingIntervalText() const
{
    return headerFamily_ == HeaderFamily::Family3 || (modelId_ == kModelId4267 && GetFunctionMode() == kFunctionRms);
}

int CWaveHeadInfo::GetTimeAxisDataNum(bool displayValue) const
{
    long long points = 100;
    switch (headerFamily_) {
    case HeaderFamily::Family0:
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family5:
    case HeaderFamily::Family6:
    case HeaderFamily::Family8:
        points = FieldInt(main_, 10);
        break;
    case HeaderFamily::Family7:
        if (!displayValue && FieldText(main_, 4) == "REALTIME")
            points = FieldInt(main_, 10);
        break;
    case HeaderFamily::Family4:
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
    if (headerFamily_ < HeaderFamily::Family0 || headerFamily_ > HeaderFamily::Family9)
        return 0;
    const std::string text = TimePerDivFieldText();
    if (IsExternalText(text))
        return GetTimeAxisDataNum();
    if (HasSamplingIntervalText())
        return SamplingIntervalSeconds(text) * GetTimeAxisDataNum();
    // Only the leading integer counts: "0.5ms" reads as 0. The oldest family
    // writes the unit with "/DIV" ("ms/DIV"), which the unit reading ignores.
    return static_cast<double>(ParseIntPrefix(text)) * TimeUnitSeconds(TimeUnitPart(text));
}

double CWaveHeadInfo::GetSamplingInterval() const
{
    const std::string text = TimePerDivFieldText();
    if (HasSamplingIntervalText() && !IsExternalText(text))
        return SamplingIntervalSeconds(text);
    // The chunked family stores the sampling period of its data sets; the
    // finest (index 0) is the interval between the points it loads into.
    if (headerFamily_ == HeaderFamily::Family5 && !IsExternalText(text)
        && Retrieve5595ChunkInfo(chunk::kMainTag, 0, 0)) {
        const double period = GetChunkSamplingPeriod(0);
        if (period > 0 && std::isfinite(period))
            return period;
    }
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
