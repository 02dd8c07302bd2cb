#pragma once
// Turns a record description into its 512 bytes.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "synth/Recording.h"

namespace kp::synth {

using RecordBytes = std::array<std::uint8_t, 512>;

// Throws std::invalid_argument for a field number outside 0..41, a text
// longer than 12 characters or bytes that do not fit the record.
RecordBytes MakeRecord(const RecordBlueprint& blueprint);

// Appends a record to a growing file image.
void AppendRecord(std::vector<std::uint8_t>& out, const RecordBytes& record);

} // namespace kp::synth
