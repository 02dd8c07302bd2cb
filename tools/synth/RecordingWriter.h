#pragma once
// The recording writer: lays a Recording out in the byte form of its header
// family, so that reading the result gives back exactly the codes described.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "synth/Recording.h"
#include "wavefile/HeaderFamily.h"

namespace kp::synth {

// The header family the recording is written in: family 4 for the models of
// the oldest header ("4756", "4229", "4756/4229"), otherwise the family of the
// version text (the model text when the version is empty).
HeaderFamily RecordingFamily(const Recording& recording);

// The whole file. Throws std::invalid_argument when the recording cannot be
// written in its family (a code the layout cannot represent, arrays whose
// length is not the data length, a slot outside the family's range).
std::vector<std::uint8_t> WriteRecording(const Recording& recording);

// Writes WriteRecording(recording) to a file; throws std::runtime_error when
// the file cannot be written.
void WriteRecordingFile(const Recording& recording, const std::filesystem::path& path);

} // namespace kp::synth
