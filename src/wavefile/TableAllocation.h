#pragma once
// Allocation of the channel tables for a range of points, before any sample
// is read: exact sizes, zero-filled (so points a short file did not hold read
// as zero), secondary arrays only for pair-valued functions.

#include <cstdint>
#include <string>

#include "wavefile/ChannelTables.h"
#include "wavefile/SampleLayout.h"

namespace kp {

class CWaveHeadInfo;

enum class AllocateStatus {
    Ok,
    NoSampleData, // the function allows no data for these channels: tables stay empty
    ZeroPointCount, // a saved channel has no points: the load fails
    PulseUnderPairs, // pulse channels under REC/RMS: the load fails without a message
    TooLargeForFile, // the header claims far more data than the file could hold: nothing allocated
    OutOfMemory, // an allocation failed: everything freed
};

struct AllocateResult {
    AllocateStatus status = AllocateStatus::Ok;
    std::uint64_t bytes = 0; // bytes of sample arrays asked for
    std::string detail;
};

// A file of n bytes decodes into at most kMaxExpansion * n bytes of tables in
// any family (one 4-probe unit stored as a nibble pair in a byte widens to a
// primary and a secondary 32-bit word). Tables larger than twice that, plus
// kAllocationSlack, cannot come from the file: such a header is refused
// before anything is allocated, so a 1 KB file never asks for gigabytes.
inline constexpr std::uint64_t kMaxExpansion = 8;
inline constexpr std::uint64_t kAllocationSlack = 1u << 20;
std::uint64_t AllocationLimit(std::uint64_t fileSize);

// Whether a header's points [firstPoint, firstPoint + pointCount) can come
// from a file of fileSize bytes: their tables stay within AllocationLimit, and
// so does the point count itself (a record without channels still becomes a
// row per point when converted, so its points are counted as a byte each).
bool RangeFitsFile(
    const SampleLayout& layout, std::int64_t firstPoint, std::int64_t pointCount, std::uint64_t fileSize);

// Bytes of all arrays for points [firstPoint, firstPoint + pointCount);
// saturates at UINT64_MAX instead of overflowing.
std::uint64_t TableBytes(const SampleLayout& layout, std::int64_t firstPoint, std::int64_t pointCount);

// Elements of one channel of `points` points inside the range (0 when the
// channel ends before the range starts).
std::int64_t PointsInRange(std::int64_t points, std::int64_t firstPoint, std::int64_t pointCount);

// Frees the tables and allocates them for the range: every saved channel gets
// PointsInRange(its points) zero-filled elements, index 0 holding firstPoint.
// Any status but Ok leaves the tables empty (all saved flags false).
AllocateResult AllocateTables(const SampleLayout& layout, std::int64_t firstPoint, std::int64_t pointCount,
    std::uint64_t fileSize, ChannelTables& tables);
AllocateResult AllocateTables(const CWaveHeadInfo& head, std::int64_t firstPoint, std::int64_t pointCount,
    std::uint64_t fileSize, ChannelTables& tables);

} // namespace kp
