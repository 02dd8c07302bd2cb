#pragma once
// The comments the instrument stored with its event marks. Only the chunked
// family keeps them (the "SXEEEVTI" sub-chunk, layout in wavefile/ChunkFormat.h);
// comment i belongs to event mark i.

#include <string>
#include <vector>

namespace kp {

class CWaveHeadInfo;

// Never fails: a sub-chunk that holds fewer entries than its count gives what
// it holds; an entry size outside the accepted range gives none.
std::vector<std::string> ReadEventComments(const CWaveHeadInfo& head);

} // namespace kp
