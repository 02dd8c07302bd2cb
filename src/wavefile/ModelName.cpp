// The model name that selects the ModelId.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "format/TextTrim.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/MainRecordFields.h"
#include "wavefile/ModelNamePlaces.h"
#include "wavefile/ModelTables.h"
#include "wavefile/OldHeader.h"
#include "wavefile/Utf16Text.h"

namespace kp {

namespace {

// Family 6 instruments keep their exact variant in the variant field.
constexpr std::array<std::string_view, 8> kFamily6Variants {
    "QX3951",
    "QX5210",
    "QX5228-01",
    "QX5228-02",
    "QX5228-03",
    "QX5228-51",
    "QX5228-52",
    "QX5228-53",
};

// Input modules that only the 4229 takes.
constexpr std::array<std::string_view, 5> k4229Modules { "5597", "3541", "4522", "4065", "4100" };

} // namespace

std::string CWaveHeadInfo::GetModelName() const
{
    return GetModelName(false, false);
}

std::string CWaveHeadInfo::GetModelName(bool fullName, bool withNumber) const
{
    std::string name = BaseModelName(fullName);
    // The 4267's second revision is sold under another name. The ModelId is
    // taken while modelId_ is still 0, so it stays that of the 4267.
    if (modelId_ == kModelId4267 && FieldText(main_, mainrecord::kVersionField) == "42670002")
        name = "QX4267";
    if (withNumber) {
        const std::string number = GetInstrumentNumber();
        if (!number.empty())
            name += "(No." + number + ")";
    }
    return name;
}

std::string CWaveHeadInfo::GetInstrumentNumber() const
{
    using namespace modelplaces;
    std::string number;
    auto first = [&](const char* tag) -> const HeaderRecord* {
        const auto records = RecordsTagged(tag);
        return records.empty() ? nullptr : records.front();
    };
    if (modelId_ == kModelId4267) {
        if (const HeaderRecord* r = first("HPF"))
            number = BytesText(*r, kNumberOffset, kNumberLength4267);
    } else if (headerFamily_ == HeaderFamily::Family6) {
        if (const HeaderRecord* r = first("HPD5228"))
            number = BytesText(*r, kNumberOffset, kNumberLengthBinary);
    } else if (headerFamily_ == HeaderFamily::Family7) {
        if (const HeaderRecord* r = first("HPF"))
            number = BytesText(*r, kNumberOffset, kNumberLengthBinary);
    } else if (headerFamily_ == HeaderFamily::Family8) {
        if (const HeaderRecord* r = WaveHeader1())
            number = FieldText(*r, kHardwareNumberField);
    } else if (headerFamily_ == HeaderFamily::Family9) {
        if (const HeaderRecord* r = first("HPF"))
            number = Utf16ToUtf8(std::span<const std::uint8_t>(*r).subspan(kFamily9NumberOffset), ByteOrder::Big,
                kFamily9NumberUnits, 4 * kFamily9NumberUnits);
    }
    return TrimBoth(number);
}

std::string CWaveHeadInfo::BaseModelName(bool fullName) const
{
    switch (headerFamily_) {
    case HeaderFamily::Family4: {
        const auto old = OldHeader();
        using namespace oldheader;
        for (int i = 0; i < kUnitSlotCount; ++i) {
            if (kUnitSlots + static_cast<std::size_t>(i) * kUnitSlotSize + kUnitModelSize > old.size())
                break;
            const std::string unit = ChannelModule(old, i);
            if (unit.empty())
                continue;
            return std::find(k4229Modules.begin(), k4229Modules.end(), unit) != k4229Modules.end() ? "4229" : "4756";
        }
        return "4756/4229";
    }
    case HeaderFamily::Family6: {
        const std::string variant = FieldText(main_, mainrecord::kVariantField);
        if (std::find(kFamily6Variants.begin(), kFamily6Variants.end(), variant) != kFamily6Variants.end())
            return variant;
        return FieldText(main_, mainrecord::kModelField);
    }
    case HeaderFamily::Family3:
        if (const HeaderRecord* system = SystemHeader(); fullName && system) {
            std::string longName = FieldText(*system, modelplaces::kFamily3LongNameField);
            if (!longName.empty())
                return longName;
        }
        return FieldText(main_, mainrecord::kModelField);
    case HeaderFamily::Family8:
        if (const HeaderRecord* hardware = WaveHeader1(); fullName && hardware) {
            std::string hardwareName = FieldText(*hardware, modelplaces::kHardwareNameField);
            if (!hardwareName.empty())
                return hardwareName;
        }
        return FieldText(main_, mainrecord::kModelField);
    default:
        return FieldText(main_, mainrecord::kModelField);
    }
}

} // namespace kp
