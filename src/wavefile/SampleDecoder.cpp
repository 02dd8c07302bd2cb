#include "wavefile/SampleDecoder.h"

#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/DecodeSupport.h"

namespace kp {

DecodeResult DecodeSamples(const DecodeRequest& request)
{
    if (request.firstPoint < 0 || request.pointCount < 0)
        return RefusedBecause("negative point range");
    switch (request.head.GetHeaderFamily()) {
    case HeaderFamily::Family0:
        return DecodeFamily0(request);
    case HeaderFamily::Family1:
        return DecodeFamily1(request);
    case HeaderFamily::Family2:
        return DecodeFamily2(request);
    case HeaderFamily::Family3:
        return DecodeFamily3(request);
    case HeaderFamily::Family4:
        return DecodeFamily4(request);
    case HeaderFamily::Family5:
        return DecodeFamily5(request);
    case HeaderFamily::Family6:
        return DecodeFamily6(request);
    case HeaderFamily::Family7:
        return DecodeFamily7(request);
    case HeaderFamily::Family8:
        return DecodeFamily8(request);
    case HeaderFamily::Family9:
        return DecodeFamily9(request);
    default:
        break;
    }
    return RefusedBecause("unknown header family " + std::to_string(FamilyNumber(request.head.GetHeaderFamily())));
}

} // namespace kp
