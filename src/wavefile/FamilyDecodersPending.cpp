// Families whose decoders are written elsewhere. Each family's file replaces
// its two functions here; until then a recording of that family is refused
// (never reported as read).
#include "wavefile/DecodeSupport.h"
#include "wavefile/SampleLayout.h"

namespace kp {

void DescribeFamily6(const CWaveHeadInfo&, SampleLayout&) {}
DecodeResult DecodeFamily6(const DecodeRequest&) { return RefusedBecause("no decoder for header family 6"); }

void DescribeFamily7(const CWaveHeadInfo&, SampleLayout&) {}
DecodeResult DecodeFamily7(const DecodeRequest&) { return RefusedBecause("no decoder for header family 7"); }

void DescribeFamily8(const CWaveHeadInfo&, SampleLayout&) {}
DecodeResult DecodeFamily8(const DecodeRequest&) { return RefusedBecause("no decoder for header family 8"); }

void DescribeFamily9(const CWaveHeadInfo&, SampleLayout&) {}
DecodeResult DecodeFamily9(const DecodeRequest&) { return RefusedBecause("no decoder for header family 9"); }

} // namespace kp
