#pragma once
// The small numbers every interpreting accessor switches on: header family,
// model and function. Pure lookups on texts, shared by the reader and the
// recording writer.

#include <string_view>

#include "wavefile/HeaderFamily.h"

namespace kp {

enum FunctionCode : int {
    kFunctionMem = 0,
    kFunctionRec = 1,
    kFunctionRms = 2,
    kFunctionXyc = 3,
    kFunctionHar = 4,
    kFunctionRm = 5,
    kFunctionFft = 6,
    kFunctionPow = 7,
    kFunctionUnknown = 10,
};

// Header family from the main record's version text (trimmed): first the
// first four characters, then the first six; anything unlisted is family 1.
// Family 4 is never returned: it is recognised by its old header.
HeaderFamily HeaderFamilyFromVersion(std::string_view version);

// ModelId from a model name text compared whole; 0 for an unknown text.
// The one ModelId that the interpreting code tells apart by number.
inline constexpr int kModelId4267 = 12;
int ModelIdFromName(std::string_view modelName);

// FunctionCode of a function text after the family's replacements have been
// applied ("MEM" 0, "MEM_RMS" 0, "REC" 1, ... anything else 10).
int FunctionCodeFromText(std::string_view function);

// The loader stores two values per point for these functions.
constexpr bool IsPairValuedFunction(int functionCode)
{
    return functionCode == kFunctionRec || functionCode == kFunctionRms;
}

} // namespace kp
