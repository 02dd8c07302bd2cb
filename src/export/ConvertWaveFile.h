#pragma once
// Conversion of a waveform file straight from disk, without loading it into
// the document: the menu's conversion of a file read on demand, the batch
// dialog and the command line all go through here. The samples are decoded
// and written one block of points after another, so a recording larger than
// memory converts in bounded memory.

#include "export/ExportOptions.h"

#include <cstdint>

namespace kp {

class ProgressWindow;
class UserMessages;

// Points decoded per block.
inline constexpr std::int64_t kConversionBlockPoints = 65536;

// Converts request.source into request.output. True only when the whole
// range was written: a source the file check refuses, an output that cannot
// be created, a source that cannot be read, a failed write and a confirmed
// Cancel all answer false (what was written stays). With showErrors, failures
// are shown through messages.
bool ConvertWaveFile(const ConversionRequest& request, UserMessages& messages, ProgressWindow& progress);

} // namespace kp
