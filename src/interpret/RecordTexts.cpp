// The "Function" and "Shot" texts of the properties window and the open dialog.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "format/DurationFormat.h"
#include "resources/StringTable.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelNamePlaces.h"
#include "wavefile/ModelTables.h"

namespace kp {

namespace {

std::string OldText(std::span<const std::uint8_t> old, std::size_t offset, std::size_t length)
{
    if (offset >= old.size())
        return {};
    length = std::min(length, old.size() - offset);
    const char* p = reinterpret_cast<const char*>(old.data() + offset);
    return std::string(p, strnlen(p, length));
}

std::string WithCount(std::string text, std::int64_t count)
{
    return text + "(" + std::to_string(count) + ")";
}

} // namespace

std::string CWaveHeadInfo::GetFunctionText() const
{
    const std::string function = FieldText(main_, 4);
    auto withMode = [&] { return function + " (" + FieldText(main_, 15) + ")"; };
    switch (headerFamily_) {
    case HeaderFamily::Family0:
        return function;
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family5:
    case HeaderFamily::Family6:
    case HeaderFamily::Family9:
        return GetFunctionMode() == kFunctionRms ? withMode() : function;
    case HeaderFamily::Family7:
        return function == "REALTIME" ? withMode() : function;
    case HeaderFamily::Family8:
        if (const HeaderRecord* hardware = WaveHeader1(); hardware && FieldText(*hardware, 11) == "REALTIME")
            return "REALTIME";
        return function;
    case HeaderFamily::Family4:
        return OldText(OldHeader(), modelplaces::kOldFunction, 3);
    default:
        return "-";
    }
}

std::string CWaveHeadInfo::GetShotText() const
{
    const std::int64_t points = GetDataLength();
    auto recordingTime = [&] {
        const int count = points > INT_MAX ? INT_MAX : static_cast<int>(points);
        return FormatDuration(GetSamplingInterval(), count, false);
    };
    auto stored = [&] {
        const std::string shot = FieldText(main_, 5);
        if (shot == "---")
            return WithCount(std::string(KpString(IDS_A_TO_B)), points);
        if (headerFamily_ == HeaderFamily::Family9 && shot == "CONT")
            return WithCount(shot, points);
        if (shot.empty())
            return std::to_string(points);
        return shot;
    };
    switch (headerFamily_) {
    case HeaderFamily::Family0: {
        const std::string shot = FieldText(main_, 5);
        return FieldInt(main_, 5) != 0 ? shot + " DIV" : shot;
    }
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family5:
    case HeaderFamily::Family6:
    case HeaderFamily::Family7:
    case HeaderFamily::Family9:
        return stored();
    case HeaderFamily::Family8:
        if (const HeaderRecord* hardware = WaveHeader1(); hardware && FieldText(*hardware, 11) == "REALTIME")
            return recordingTime();
        return stored();
    case HeaderFamily::Family3:
        return recordingTime();
    case HeaderFamily::Family4:
        return WithCount(OldText(OldHeader(), modelplaces::kOldShot, modelplaces::kOldShotLength), points);
    default:
        return {};
    }
}

} // namespace kp
