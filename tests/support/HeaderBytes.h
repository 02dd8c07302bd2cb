#pragma once
// Builds the header part of a recording from record descriptions, for tests
// that exercise the header reader without a full recording.

#include <cstdint>
#include <string>
#include <vector>

#include "synth/RecordBytes.h"

namespace kp::test {

// A main record "HW" with the given fields; field 1 (record count) is set to
// 1 + records.size() unless given.
inline std::vector<std::uint8_t> HeaderBytes(
    synth::RecordBlueprint main, const std::vector<synth::RecordBlueprint>& records)
{
    if (main.tag.empty())
        main.tag = "HW";
    if (!main.fields.count(1))
        main.fields[1] = std::to_string(1 + records.size());
    std::vector<std::uint8_t> out;
    synth::AppendRecord(out, synth::MakeRecord(main));
    for (const auto& r : records)
        synth::AppendRecord(out, synth::MakeRecord(r));
    return out;
}

} // namespace kp::test
