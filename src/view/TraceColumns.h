#pragma once
// What the painter reads from a channel: the extent of any range of points
// (from the min/max summary, so a column costs the same at every
// magnification) and single values for the dots style and the channel names.
// Values are keys as the summary compares them (a signed or unsigned code, a
// 32-bit code, a float); the trace's scaling turns them into heights.

#include "wavefile/MinMaxSummary.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kp {

class ValueColumns {
public:
    virtual ~ValueColumns() = default;
    virtual std::int64_t size() const = 0;
    // false when the range holds no comparable value (empty, all NaN).
    virtual bool Range(std::int64_t first, std::int64_t last, double& lo, double& hi) const = 0;
    virtual double Value(std::int64_t i) const = 0;
};

template <typename Summary> class SummaryColumns final : public ValueColumns {
public:
    template <typename S, typename B>
    SummaryColumns(std::span<const S> data, B bias)
        : summary_(data, static_cast<S>(bias))
    {
    }

    std::int64_t size() const override { return summary_.size(); }
    bool Range(std::int64_t first, std::int64_t last, double& lo, double& hi) const override
    {
        if (first >= last)
            return false;
        const auto e = summary_.Query(first, last);
        lo = static_cast<double>(e.lo);
        hi = static_cast<double>(e.hi);
        return !std::isnan(lo) && lo <= hi;
    }
    double Value(std::int64_t i) const override { return static_cast<double>(summary_.Key(i)); }
    const Summary& summary() const { return summary_; }

private:
    Summary summary_;
};

// Logic words of one group (32 logic channels): per range the AND and the OR,
// from which a channel reads whether its bit was always or ever set.
class LogicColumns {
public:
    LogicColumns() = default;
    explicit LogicColumns(std::span<const std::uint32_t> words)
        : summary_(words)
    {
    }
    std::int64_t size() const { return summary_.size(); }
    Extent<std::uint32_t> Range(std::int64_t first, std::int64_t last) const { return summary_.Query(first, last); }

private:
    LogicWordSummary summary_;
};

} // namespace kp
