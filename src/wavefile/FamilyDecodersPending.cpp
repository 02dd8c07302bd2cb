// Families whose decoders are written elsewhere. Each family's file replaces
// its two functions here; until then a recording of that family is refused
// (never reported as read).
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"

namespace kp {

void DescribeFamily5(const CWaveHeadInfo&, SampleLayout&) {}
DecodeResult DecodeFamily5(const DecodeRequest&) { return RefusedBecause("no decoder for header family 5"); }

} // namespace kp
