#pragma once
// The places families 4, 7 and 8 keep a channel's user scaling in binary
// form (Recording::binaryScaling), shared by their writers.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "synth/Recording.h"
#include "wavefile/HeaderFamily.h"

namespace kp::synth {

// Throws std::invalid_argument when binary scaling is given in a family that
// keeps its scaling as text, or for a slot that is no analog channel of the
// recording.
void CheckBinaryScaling(const Recording& recording, HeaderFamily family);

// The channel's binary scaling; nullptr when it has none.
const BinaryScaling* BinaryScalingOf(const Recording& recording, int slot);

// The channel's text-record fields, with the scaling switched on (field 21)
// when it has binary scaling.
std::map<int, std::string> FieldsWithScalingSwitch(const Recording& recording, const AnalogBlueprint& channel);

// Family 4: the scaling byte and the big-endian ratio and offset floats in
// the channel's 64-byte block of the old header. Channels from 16 on have no
// block and are refused.
void PutFamily4Scaling(std::vector<std::uint8_t>& header, const Recording& recording, int slot);

// Family 7: one "HPF" record per unit of eight channels that has binary
// scaling. Throws when a unit mixes channels with and without it.
std::vector<RecordBlueprint> Family7UnitBlocks(const Recording& recording);

// Family 8: the bytes of the "HC02" record that carry value per code, offset,
// ratio and scaling offset as 16 hex digits each (fields 14, 16, 22, 24).
std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> Family8ScalingBytes(const BinaryScaling& scaling);

} // namespace kp::synth
