#include "wavefile/SampleDecoder.h"

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"

namespace kp {

DecodeResult DecodeSamples(const DecodeRequest& request)
{
    if (request.firstPoint < 0 || request.pointCount < 0)
        return RefusedBecause("negative point range");
    switch (request.head.GetHeaderFamily()) {
    case 0:
        return DecodeFamily0(request);
    case 1:
        return DecodeFamily1(request);
    case 2:
        return DecodeFamily2(request);
    case 3:
        return DecodeFamily3(request);
    case 4:
        return DecodeFamily4(request);
    case 5:
        return DecodeFamily5(request);
    case 6:
        return DecodeFamily6(request);
    case 7:
        return DecodeFamily7(request);
    case 8:
        return DecodeFamily8(request);
    case 9:
        return DecodeFamily9(request);
    default:
        break;
    }
    return RefusedBecause("unknown header family " + std::to_string(request.head.GetHeaderFamily()));
}

} // namespace kp
