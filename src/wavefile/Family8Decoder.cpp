// Family 8 (model QX3013): one fixed-size frame per point, channels placed by
// the channel map of the wave header 2 records. Only memory recordings carry
// frames the reader understands.
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelMap.h"
#include "wavefile/FrameDecoder.h"
#include "wavefile/SampleDecoder.h"

namespace kp {

DecodeResult DecodeFamily8(const DecodeRequest& request)
{
    if (request.head.GetFunctionMode() != 0)
        return {};
    return DecodeFrames(request, ReadChannelMap(request.head), ReadFrameSize(request.head), false);
}

} // namespace kp
