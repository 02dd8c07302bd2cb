#pragma once
// The rows a trace's samples hit in each pixel column, for the dots style.
//
// Dots set one pixel per sample at its column's x; samples that land on the
// same row are one pixel. At coarse magnifications a column holds up to half
// a million samples, so finding its rows sample by sample makes every repaint
// cost in proportion to the record. Two things keep it cheap:
//
// - The row of a value is a monotonic function of the value (an affine height,
//   truncated and clamped), so all samples of a range lie on the rows between
//   the rows of its minimum and maximum, and those two rows are hit. A range
//   whose rows in between are already known to be hit adds nothing; any other
//   range is split along the min/max summary's blocks. A smooth trace is done
//   after a few block look-ups per column; only a trace that jumps between
//   distant rows inside each small block is scanned down to its samples.
// - The rows found are kept per column (as runs) for the geometry they were
//   found for: magnification, wave-area height, the channel's scaling, zoom
//   and position. Scrolling, cursor moves and repaints after a tool window
//   reuse them; any change of those values starts the channel's columns
//   afresh, and a new record clears the whole cache.
//
// The rows are exactly those of the per-sample scan; where a mapping could
// stop being monotonic (a NaN height from infinite float samples or from
// degenerate scaling), the columns are scanned sample by sample instead.

#include "view/TraceColumns.h"
#include "view/TraceScaling.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kp {

// Everything the rows of a trace's columns depend on.
struct DotRowKey {
    const ValueColumns* primary = nullptr;
    const ValueColumns* secondary = nullptr; // minima of an envelope record
    TraceCoding coding = TraceCoding::Signed16;
    TraceScaling scaling;
    double zoom = 1.0;
    double position = 0.0;
    std::int64_t points = 0; // N
    std::int64_t pointsPerColumn = 1;
    int centre = 0;
    int halfHeight = 0;

    bool operator==(const DotRowKey& o) const;
};

// Rows top .. bottom (inclusive) of one column.
struct RowRun {
    int top = 0;
    int bottom = 0;
    friend bool operator==(const RowRun&, const RowRun&) = default;
};

// The rows of one trace, column by column, found on first need.
class DotColumns {
public:
    explicit DotColumns(const DotRowKey& key);

    const DotRowKey& key() const { return key_; }
    // Column c (0-based from the wave area's left edge); the last column
    // includes the points left over after it. Runs top to bottom.
    std::span<const RowRun> Rows(int column);
    // Whether the min/max extents are used (false: every sample is scanned).
    bool UsesExtents() const { return useExtents_; }
    std::size_t RunCount() const { return runs_.size(); }
    void Forget(); // drops every column found so far

private:
    static constexpr std::uint32_t kUnknown = 0xFFFFFFFFu;

    int Slot(double v) const;
    void Collect(const ValueColumns& src, std::int64_t first, std::int64_t last);
    void Scan(const ValueColumns& src, std::int64_t first, std::int64_t last);
    void Set(int slot);
    int NextSlot(int from, bool set) const;
    bool AllSet(int a, int b) const;

    DotRowKey key_;
    int width_ = 0;
    int base_ = 0; // row of slot 0
    bool leftover_ = false;
    bool useExtents_ = true;
    std::vector<std::uint64_t> hit_; // rows of the column being found
    std::vector<std::uint32_t> begin_; // per column: first run, or kUnknown
    std::vector<std::uint32_t> count_;
    std::vector<RowRun> runs_;
};

// The columns of every trace the view has drawn in dots style.
class DotRowCache {
public:
    // The columns for key; reused while the key stays the same.
    DotColumns& For(const DotRowKey& key);
    void Clear() { entries_.clear(); }
    std::size_t EntryCount() const { return entries_.size(); }

private:
    std::vector<DotColumns> entries_;
};

} // namespace kp
