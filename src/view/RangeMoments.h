#pragma once
// Minimum, maximum, mean and spread of any range of a channel's values, in
// time that does not grow with the range: per-block moments kept beside the
// samples, the ragged ends of a range read point by point.
//
// A block keeps its count, mean and sum of squared deviations (M2) from its
// own mean (two passes over the block), so that a channel with a large offset
// and a small spread loses no digits; blocks combine by the pairwise update
// of the mean and M2, which is as exact as a two-pass scan of the range.
// Values that are not finite (float channels) are left out and counted.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace kp {

struct Moments {
    std::int64_t count = 0; // finite values
    std::int64_t skipped = 0; // NaN and infinite values left out
    double mean = 0.0;
    double m2 = 0.0; // sum of squared deviations from the mean
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    double Variance() const { return count > 0 ? m2 / static_cast<double>(count) : 0.0; }
    double StandardDeviation() const { return std::sqrt(Variance()); }
    double Rms() const { return std::sqrt(mean * mean + Variance()); }

    void Merge(const Moments& o)
    {
        skipped += o.skipped;
        if (o.count == 0)
            return;
        if (count == 0) {
            const std::int64_t s = skipped;
            *this = o;
            skipped = s;
            return;
        }
        const double n1 = static_cast<double>(count);
        const double n2 = static_cast<double>(o.count);
        const double n = n1 + n2;
        const double delta = o.mean - mean;
        mean += delta * (n2 / n);
        m2 += o.m2 + delta * delta * (n1 * n2 / n);
        count += o.count;
        min = std::min(min, o.min);
        max = std::max(max, o.max);
    }
};

// The moments of values(i) for i in first .. last-1: the mean first, then
// the squared deviations from it.
template <typename Values> Moments ScanMoments(const Values& values, std::int64_t first, std::int64_t last)
{
    Moments m;
    double sum = 0;
    for (std::int64_t i = first; i < last; ++i) {
        const double v = values(i);
        if (!std::isfinite(v)) {
            ++m.skipped;
            continue;
        }
        sum += v;
        m.min = std::min(m.min, v);
        m.max = std::max(m.max, v);
        ++m.count;
    }
    if (m.count == 0)
        return m;
    m.mean = sum / static_cast<double>(m.count);
    for (std::int64_t i = first; i < last; ++i) {
        const double v = values(i);
        if (std::isfinite(v))
            m.m2 += (v - m.mean) * (v - m.mean);
    }
    return m;
}

class BlockMoments {
public:
    static constexpr std::int64_t kBlock = 1024;

    BlockMoments() = default;
    template <typename Values>
    BlockMoments(std::int64_t size, const Values& values)
        : size_(size)
    {
        const std::int64_t blocks = size / kBlock;
        blocks_.reserve(static_cast<std::size_t>(blocks));
        for (std::int64_t b = 0; b < blocks; ++b)
            blocks_.push_back(ScanMoments(values, b * kBlock, (b + 1) * kBlock));
    }

    std::int64_t size() const { return size_; }

    // Points first .. last inclusive, kept within the values.
    template <typename Values> Moments Query(const Values& values, std::int64_t first, std::int64_t last) const
    {
        first = std::max<std::int64_t>(first, 0);
        last = std::min<std::int64_t>(last + 1, size_);
        if (first >= last)
            return {};
        const std::int64_t firstBlock = (first + kBlock - 1) / kBlock;
        const std::int64_t endBlock = std::min<std::int64_t>(last / kBlock, static_cast<std::int64_t>(blocks_.size()));
        if (firstBlock >= endBlock)
            return ScanMoments(values, first, last);
        Moments m = ScanMoments(values, first, firstBlock * kBlock);
        for (std::int64_t b = firstBlock; b < endBlock; ++b)
            m.Merge(blocks_[static_cast<std::size_t>(b)]);
        m.Merge(ScanMoments(values, endBlock * kBlock, last));
        return m;
    }

private:
    std::int64_t size_ = 0;
    std::vector<Moments> blocks_;
};

// The reference: two passes over every point of first .. last inclusive.
template <typename Values> Moments PlainMoments(const Values& values, std::int64_t first, std::int64_t last)
{
    return ScanMoments(values, first, last + 1);
}

} // namespace kp
