// Identifiers of logic probes: four probes to a unit, the unit named by a
// letter ("LA1" ... "LH4") or, where units come in groups, by a number and a
// letter ("L2B2").
#include <string>

#include "interpret/HeaderFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

std::string Letter(int index)
{
    return std::string(1, static_cast<char>('A' + index));
}

// style 0 "L<unit><probe>", 1 "<unit><probe>", 2 and 3 "<unit>"
std::string LetterStyle(const std::string& unit, int probe, int style)
{
    switch (style) {
    case 1:
        return unit + std::to_string(probe);
    case 2:
    case 3:
        return unit;
    default:
        return "L" + unit + std::to_string(probe);
    }
}

} // namespace

std::string CWaveHeadInfo::GetLogicChannelName(int l, int style) const
{
    if (l < 0)
        return {};
    const int unitIndex = l / 4;
    const int probe = l % 4 + 1;
    switch (GetHeaderFamily()) {
    case HeaderFamily::Family3: {
        // The logger's first sixteen probes are its logic inputs, the rest
        // its alarm outputs.
        const bool input = l < 16;
        const std::string prefix = input ? "LI" : "ALM";
        if (style == 2 || style == 3)
            return prefix;
        return prefix + std::to_string(input ? l + 1 : l % 16 + 1);
    }
    case HeaderFamily::Family5: {
        const std::string unit = Letter(unitIndex);
        const std::string marker = GetLogicUnitMarker(unitIndex);
        switch (style) {
        case 1:
            return unit + std::to_string(probe);
        case 2:
            return unit;
        case 3:
            return "L" + unit + std::to_string(probe) + marker;
        case 4:
            return unit + std::to_string(probe) + marker;
        case 5:
            return unit + marker;
        default:
            return "L" + unit + std::to_string(probe);
        }
    }
    case HeaderFamily::Family6: {
        // A unit of a logic-unit group carries the group's number.
        const HeaderRecord* record = LogicHeader(unitIndex);
        const long long k = record ? fields::Integer(record, 28).value_or(0) : 0;
        if (k == 0)
            return LetterStyle(Letter(unitIndex), probe, style);
        const std::string unit = std::to_string(k) + Letter(unitIndex % 4);
        if (style == 2 || style == 3)
            return unit;
        return (style == 1 ? "" : "L") + unit + std::to_string(probe);
    }
    case HeaderFamily::Family8:
        if (l <= 15) {
            const std::string unit = Letter(unitIndex);
            switch (style) {
            case 1:
                return unit + std::to_string(probe);
            case 2:
                return "L" + unit;
            case 3:
                return "L";
            default:
                return "L" + unit + std::to_string(probe);
            }
        } else {
            const std::string group = std::to_string(l / 16);
            switch (style) {
            case 1:
                return group + "-" + std::to_string(l % 16 + 1);
            case 2:
            case 3:
                return "L" + group;
            default:
                return "L" + group + "-" + std::to_string(l % 16 + 1);
            }
        }
    case HeaderFamily::Family9: {
        const std::string unit = std::to_string(l / 16 + 1) + Letter(unitIndex % 4);
        if (style == 2 || style == 3)
            return unit;
        return (style == 1 ? "" : "L") + unit + std::to_string(probe);
    }
    default:
        return LetterStyle(Letter(unitIndex), probe, style);
    }
}

} // namespace kp
