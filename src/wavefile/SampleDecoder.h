#pragma once
// The sample decoders of the header families. Each family has one decoder
// file; every decoder reads from the mapped file and writes a range of points
// into caller-owned channel tables, so the load (whole range, once) and the
// conversion from disk (block after block) share one path.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "wavefile/ChannelTables.h"

namespace kp {

class CWaveHeadInfo;

enum class DecodeStatus {
    Complete, // every requested point was read
    ShortFile, // the file ended first; the points before stay in the tables
    Cancelled, // the progress callback asked to stop
    Refused, // the header describes a layout that cannot be read (detail says why)
};

struct DecodeResult {
    DecodeStatus status = DecodeStatus::Complete;
    std::string detail; // for Refused and ShortFile: what did not fit, for logs and tests
};

struct DecodeRequest {
    const CWaveHeadInfo& head;
    std::span<const std::uint8_t> file; // the whole file
    ChannelTables& tables; // allocated by AllocateTables for this range
    std::int64_t firstPoint = 0; // point stored at index 0 of every array
    std::int64_t pointCount = 0; // points to decode (arrays hold exactly this many)
    // Called between points or values as the family's stepping says; false
    // means the user confirmed Cancel.
    std::function<bool()> step;
    // Optional: called as sequential layouts move on, with a file offset before
    // which they will read nothing more (a whole-file load lets those mapped
    // pages go, so its peak memory stays near the tables' own size).
    std::function<void(std::uint64_t)> consumed;
};

// Which family's decoder runs, by the header's family number.
DecodeResult DecodeSamples(const DecodeRequest& request);

// Per-family decoders (one file each).
DecodeResult DecodeFamily0(const DecodeRequest& request);
DecodeResult DecodeFamily1(const DecodeRequest& request);
DecodeResult DecodeFamily2(const DecodeRequest& request);
DecodeResult DecodeFamily3(const DecodeRequest& request);
DecodeResult DecodeFamily4(const DecodeRequest& request);
DecodeResult DecodeFamily5(const DecodeRequest& request);
DecodeResult DecodeFamily6(const DecodeRequest& request);
DecodeResult DecodeFamily7(const DecodeRequest& request);
DecodeResult DecodeFamily8(const DecodeRequest& request);
DecodeResult DecodeFamily9(const DecodeRequest& request);

} // namespace kp
