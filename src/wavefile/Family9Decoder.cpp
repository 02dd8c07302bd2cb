// Family 9 (models QX3122, QX3122-01, QX5191T): one fixed-size frame per
// point through the channel map; envelope recordings (REC) keep each value's
// second value right after the first.
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelMap.h"
#include "wavefile/FrameDecoder.h"
#include "wavefile/SampleDecoder.h"

namespace kp {

DecodeResult DecodeFamily9(const DecodeRequest& request)
{
    const int function = request.head.GetFunctionMode();
    if (function != 0 && function != 1)
        return {};
    return DecodeFrames(request, ReadChannelMap(request.head), ReadFrameSize(request.head), function == 1);
}

} // namespace kp
