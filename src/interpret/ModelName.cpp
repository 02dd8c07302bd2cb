// The model name that selects the ModelId.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// Family 6 instruments keep their exact variant in field 15.
constexpr std::array<std::string_view, 8> kFamily6Variants{
    "QX3951", "QX5210", "QX5228-01", "QX5228-02", "QX5228-03", "QX5228-51", "QX5228-52", "QX5228-53",
};

// Input modules that only the 4229 takes.
constexpr std::array<std::string_view, 5> k4229Modules{"5597", "3541", "4522", "4065", "4100"};

// Family 4 keeps 16 unit slots of 16 bytes from byte 256 of its old header;
// the first four characters of a slot are the unit's model.
constexpr std::size_t kOldUnitSlots = 256;
constexpr std::size_t kOldUnitSlotSize = 16;

} // namespace

std::string CWaveHeadInfo::GetModelName() const
{
    switch (headerFamily_) {
    case 4: {
        const auto old = OldHeader();
        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t at = kOldUnitSlots + i * kOldUnitSlotSize;
            if (at + 4 > old.size())
                break;
            std::string unit(reinterpret_cast<const char*>(old.data() + at), strnlen(reinterpret_cast<const char*>(old.data() + at), 4));
            while (!unit.empty() && unit.back() == ' ')
                unit.pop_back();
            if (unit.empty())
                continue;
            return std::find(k4229Modules.begin(), k4229Modules.end(), unit) != k4229Modules.end() ? "4229" : "4756";
        }
        return "4756/4229";
    }
    case 6: {
        const std::string variant = FieldText(main_, 15);
        if (std::find(kFamily6Variants.begin(), kFamily6Variants.end(), variant) != kFamily6Variants.end())
            return variant;
        return FieldText(main_, 2);
    }
    default:
        return FieldText(main_, 2);
    }
}

} // namespace kp
