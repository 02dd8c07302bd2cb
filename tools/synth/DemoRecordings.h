#pragma once
// Ready-made recordings: the demo, the benchmark's large record and a sample
// recording per header family (fuzz seeds). All seeded, so the same call
// always writes the same bytes.

#include <cstdint>
#include <string>

#include "synth/Recording.h"
#include "wavefile/HeaderFamily.h"

namespace kp::synth {

// Family 1, model "4170", MEM: analog channels 0..channels-1 cycling through
// sine, square, ramp and noise shapes, with channel texts ("1V" range, "V"
// unit, module "4357 analog"), and `logicUnits` logic units counting up at
// different rates.
Recording WaveformRecording(int channels, int logicUnits, std::int64_t points, std::uint32_t seed);

// The demo: WaveformRecording(8, 4, points, seed), with the instrument's
// display settings (position, magnification, colour) giving each analog
// channel a band of its own above the logic units.
Recording DemoRecording(std::uint32_t seed = 1, std::int64_t points = 300000);

// A small recording of the given family and function ("MEM", "REC", "RMS")
// with a few analog channels and logic units in the family's ranges, and the
// 32-bit logic positions, float and pulse channels of families 6, 8 and 9;
// the writer refuses a function the family does not keep. Throws
// std::invalid_argument for a family this writer has no sample for.
Recording FamilySampleRecording(
    HeaderFamily family, const std::string& function, std::int64_t points, std::uint32_t seed);

// True when the family's sample layout carries the function's values ("MEM",
// "REC", "RMS"): families 3 and 8 keep memory recordings only, families 7 and
// 9 no RMS. The writer refuses the others; every other sample recording
// must be written.
bool FamilyKeepsFunction(HeaderFamily family, const std::string& function);

} // namespace kp::synth
