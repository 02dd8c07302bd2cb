// Family 8 (model QX3013): one fixed-size frame per point, channels placed by
// the channel map of the wave header 2 records. Only memory recordings carry
// frames the reader understands.
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelMap.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/FrameDecoder.h"
#include "wavefile/SampleLayout.h"

namespace kp {

void DescribeFamily8(const CWaveHeadInfo& head, SampleLayout& layout)
{
    if (layout.function != kFunctionMem) {
        layout.noSampleData = true;
        return;
    }
    // The GPS quantities (240-255) and the waveform calculations (256-263) are
    // 32-bit values, and so is every position the map gives a 32-bit logic
    // unit: their channel headers mark them saved in the logic table.
    std::array<bool, kAnalogSlots> wide {};
    for (int i = kFamily8GpsFirstSlot; i < kFamily8WaveCalcFirstSlot + 8; ++i)
        wide[i] = true;
    for (const FrameEntry& e : ReadChannelMap(head))
        if (e.kind == FrameValueKind::LogicWord32)
            wide[e.slot] = true;
    for (int i = 0; i < layout.analogPositions; ++i) {
        if (wide[i]) {
            layout.logicSaved[i] = layout.analogSaved[i];
            layout.analogSaved[i] = false;
        }
    }
}

DecodeResult DecodeFamily8(const DecodeRequest& request)
{
    if (request.head.GetFunctionMode() != kFunctionMem)
        return Completed();
    return DecodeFrames(request, ReadChannelMap(request.head), ReadFrameSize(request.head), false);
}

} // namespace kp
