// Family 9 (models QX3122, QX3122-01, QX5191T): one fixed-size frame per
// point through the channel map; envelope recordings (REC) keep each value's
// second value right after the first.
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelMap.h"
#include "wavefile/DecodeSupport.h"
#include "wavefile/FrameDecoder.h"
#include "wavefile/SampleLayout.h"

namespace kp {

void DescribeFamily9(const CWaveHeadInfo& head, SampleLayout& layout)
{
    if (layout.function != kFunctionMem && layout.function != kFunctionRec) {
        layout.noSampleData = true;
        return;
    }
    // Analog channels end at 256; the positions above (waveform calculations)
    // and the map's 32-bit logic units keep 32-bit values in the logic table.
    std::array<bool, kAnalogSlots> wide {};
    for (int i = kFamily9AnalogSlots; i < kAnalogSlots; ++i)
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

DecodeResult DecodeFamily9(const DecodeRequest& request)
{
    const int function = request.head.GetFunctionMode();
    if (function != kFunctionMem && function != kFunctionRec)
        return Completed();
    return DecodeFrames(request, ReadChannelMap(request.head), ReadFrameSize(request.head), function == kFunctionRec);
}

} // namespace kp
