// The measurement function as the loader and every interpreting accessor see it.
#include <string>

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ModelTables.h"

namespace kp {

int CWaveHeadInfo::GetFunctionMode() const
{
    std::string function;
    if (headerFamily_ == 4) {
        const auto old = OldHeader();
        if (old.size() >= 20)
            function.assign(reinterpret_cast<const char*>(old.data() + 17), 3);
    } else {
        function = FieldText(main_, 4);
    }
    if (headerFamily_ == 7) {
        if (function == "HISPEED")
            function = "MEM";
        else if (function == "REALTIME")
            function = FieldText(main_, 15) == "ENVELOPE" ? "REC" : "MEM";
    } else if (headerFamily_ == 8 && function == "MEM&FFT") {
        function = "MEM";
    }
    if (modelId_ == 12 && function == "RMS_REC")
        function = "RMS";
    return FunctionCodeFromText(function);
}

} // namespace kp
