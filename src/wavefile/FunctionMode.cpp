// The measurement function as the loader and every interpreting accessor see it.
#include <string>

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/MainRecordFields.h"
#include "wavefile/ModelTables.h"
#include "wavefile/OldHeader.h"

namespace kp {

int CWaveHeadInfo::GetFunctionMode() const
{
    std::string function;
    if (headerFamily_ == HeaderFamily::Family4) {
        const auto old = OldHeader();
        if (old.size() >= oldheader::kFunction + oldheader::kFunctionSize)
            function = oldheader::Text(old, oldheader::kFunction, oldheader::kFunctionSize);
    } else {
        function = FieldText(main_, mainrecord::kFunctionField);
    }
    if (headerFamily_ == HeaderFamily::Family7) {
        if (function == "HISPEED")
            function = "MEM";
        else if (function == "REALTIME")
            function = FieldText(main_, mainrecord::kVariantField) == "ENVELOPE" ? "REC" : "MEM";
    } else if (headerFamily_ == HeaderFamily::Family8 && function == "MEM&FFT") {
        function = "MEM";
    }
    if (modelId_ == kModelId4267 && function == "RMS_REC")
        function = "RMS";
    return FunctionCodeFromText(function);
}

} // namespace kp
