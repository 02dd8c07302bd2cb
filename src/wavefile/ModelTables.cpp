#include "wavefile/ModelTables.h"

#include "format/TextTrim.h"

#include <array>
#include <string>

namespace kp {

namespace {

struct FamilyEntry {
    std::string_view prefix;
    HeaderFamily family;
};

// Compared on the first four characters.
constexpr std::array<FamilyEntry, 15> kFourCharacterFamilies { {
    { "3518", HeaderFamily::Family0 },
    { "5066", HeaderFamily::Family1 },
    { "4623", HeaderFamily::Family1 },
    { "3369", HeaderFamily::Family1 },
    { "3416", HeaderFamily::Family1 },
    { "5498", HeaderFamily::Family1 },
    { "4170", HeaderFamily::Family1 },
    { "5977", HeaderFamily::Family1 },
    { "4624", HeaderFamily::Family1 },
    { "4267", HeaderFamily::Family1 },
    { "3384", HeaderFamily::Family2 },
    { "3019", HeaderFamily::Family3 },
    { "5303", HeaderFamily::Family3 },
    { "5595", HeaderFamily::Family5 },
    { "3945", HeaderFamily::Family5 },
} };

constexpr std::array<FamilyEntry, 3> kFourCharacterFamilies6 { {
    { "5228", HeaderFamily::Family6 },
    { "5191", HeaderFamily::Family6 },
    { "5210", HeaderFamily::Family6 },
} };

// Compared on the first six characters.
constexpr std::array<FamilyEntry, 4> kSixCharacterFamilies { {
    { "QX4767", HeaderFamily::Family7 },
    { "QX3013", HeaderFamily::Family8 },
    { "QX3122", HeaderFamily::Family9 },
    { "QX519T", HeaderFamily::Family9 },
} };

struct ModelEntry {
    std::string_view name;
    int id;
};

constexpr std::array<ModelEntry, 39> kModels { {
    { "3518", 0 },
    { "3416", 1 },
    { "3416-01", 1 },
    { "5498", 2 },
    { "5066", 3 },
    { "4623", 3 },
    { "5066_20", 3 },
    { "3369", 3 },
    { "4170", 4 },
    { "5977", 4 },
    { "4170T", 4 },
    { "3384", 5 },
    { "3019", 6 },
    { "4756", 7 },
    { "4756/4229", 7 },
    { "4229", 8 },
    { "4624", 9 },
    { "5303", 10 },
    { "5595", 11 },
    { "3945", 11 },
    { "5595-50", 11 },
    { "3945-50", 11 },
    { "4267", 12 },
    { "5228", 13 },
    { "QX5228-01", 13 },
    { "QX5228-02", 13 },
    { "QX5228-03", 13 },
    { "QX5228-51", 13 },
    { "QX5228-52", 13 },
    { "QX5228-53", 13 },
    { "KKQX-54", 13 },
    { "QX5191", 13 },
    { "QX5210", 13 },
    { "QX3951", 13 },
    { "QX4767", 14 },
    { "QX3013", 15 },
    { "3013", 15 },
    { "QX3122", 16 },
    { "QX3122-01", 16 },
} };

} // namespace

HeaderFamily HeaderFamilyFromVersion(std::string_view version)
{
    const std::string_view v = TrimmedView(version);
    if (v.size() >= 4) {
        const std::string_view four = v.substr(0, 4);
        for (const auto& e : kFourCharacterFamilies)
            if (four == e.prefix)
                return e.family;
        for (const auto& e : kFourCharacterFamilies6)
            if (four == e.prefix)
                return e.family;
    }
    if (v.size() >= 6) {
        const std::string_view six = v.substr(0, 6);
        for (const auto& e : kSixCharacterFamilies)
            if (six == e.prefix)
                return e.family;
    }
    return HeaderFamily::Family1;
}

int ModelIdFromName(std::string_view modelName)
{
    if (modelName == "QX5191T")
        return 16;
    for (const auto& e : kModels)
        if (modelName == e.name)
            return e.id;
    return 0;
}

int FunctionCodeFromText(std::string_view function)
{
    if (function == "MEM" || function == "MEM_RMS")
        return kFunctionMem;
    if (function == "REC")
        return kFunctionRec;
    if (function == "RMS")
        return kFunctionRms;
    if (function == "XYC")
        return kFunctionXyc;
    if (function == "HAR")
        return kFunctionHar;
    if (function == "R_M")
        return kFunctionRm;
    if (function == "FFT")
        return kFunctionFft;
    if (function == "POW")
        return kFunctionPow;
    return kFunctionUnknown;
}

} // namespace kp
