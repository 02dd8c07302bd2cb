// The input module of a channel, from the module text of its channel record.
#include "interpret/ModuleKind.h"

#include <array>
#include <string>
#include <string_view>

#include "interpret/HeaderFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

constexpr std::array<std::string_view, 47> kModuleNames {
    "4357 analog",
    "5648 univ",
    "5340 FFT",
    "4656 strain",
    "4113 F_V",
    "3169 4ch",
    "3599 charge",
    "3518",
    "5066",
    "4623",
    "3133 analog",
    "3070 CURR",
    "3370 RMS",
    "5360 H-RESO",
    "5572 TEMP",
    "3491 F_V",
    "5066_20",
    "4624 analog",
    "3369",
    "3593 H-SPEED",
    "3626 H-RESO",
    "4089 SCAN",
    "5067 RMS",
    "3844 STRAIN",
    "4789 H-VOLT",
    "4895",
    "4683",
    "5243",
    "4531",
    "3354",
    "4194",
    "3668",
    "QX4767",
    "QX5626",
    "QX5073",
    "QX4521",
    "QX4455",
    "QX5451",
    "QX3571",
    "Y3126",
    "Y5424",
    "Y4793",
    "Y5538",
    "Y4531",
    "Y5854",
    "Y3864",
    "Y3151",
};

// The logger family names its inputs by measured quantity.
constexpr std::array<std::string_view, 5> kLoggerInputs { "VOLT", "TC", "RTD", "HUMIDITY", "STRAIN" };

} // namespace

ModuleKind ModuleTableIndex(std::string_view module)
{
    for (std::size_t i = 0; i < kModuleNames.size(); ++i)
        if (fields::EqualsNoCase(module, kModuleNames[i]))
            return static_cast<ModuleKind>(i);
    return ModuleKind::Unknown;
}

ModuleKind CWaveHeadInfo::GetModuleKind(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family0 || family == HeaderFamily::Family4)
        return ModuleKind::Unknown;
    const HeaderRecord* record = ChannelHeader(ch);
    if (!record)
        return ModuleKind::Unknown;
    const std::string module = FieldText(*record, 2);
    if (family == HeaderFamily::Family3) {
        for (std::size_t i = 0; i < kLoggerInputs.size(); ++i)
            if (module == kLoggerInputs[i])
                return static_cast<ModuleKind>(static_cast<int>(ModuleKind::LoggerVoltage) + static_cast<int>(i));
        return ModuleKind::Unknown;
    }
    return ModuleTableIndex(module);
}

} // namespace kp
