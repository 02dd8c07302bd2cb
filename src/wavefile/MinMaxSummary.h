#pragma once
// Per-channel extents for drawing: the lowest and highest value of any range of
// points, answered in time that does not grow with the length of the range.
//
// The view reduces every pixel column to its extent. At coarse magnifications a
// column holds up to half a million points, so scanning them on each repaint
// would make a repaint cost in proportion to the record. The summary keeps the
// extents of aligned blocks of 10, 100, 1000, ... points; a range is answered
// from the raw points at its ragged ends and from the largest blocks in
// between. Magnifications are 1-2-5 steps of powers of ten, so a column starts
// on a block boundary and costs at most five block look-ups.
//
// Values are compared as keys: a 16-bit code read as signed or unsigned, a
// 32-bit code, optionally less a zero code and read as signed, or a float.
// Logic words use the same structure with OR as the upper and AND as the
// lower extent, which tells whether a bit was ever set and always set.
//
// The answer is exactly the one of a plain scan (PlainExtent) for every range.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>
#include <vector>

namespace kp {

// lo/hi: minimum/maximum, or AND/OR for logic words.
template <typename K>
struct Extent {
    K lo;
    K hi;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// Ordering by value: minimum and maximum. Floats combine like fmin/fmax, so a
// NaN never wins and an all-NaN range stays NaN.
struct ValueOrder {
    template <typename K>
    static Extent<K> Empty()
    {
        if constexpr (std::is_floating_point_v<K>)
            return {std::numeric_limits<K>::quiet_NaN(), std::numeric_limits<K>::quiet_NaN()};
        else
            return {std::numeric_limits<K>::max(), std::numeric_limits<K>::lowest()};
    }
    template <typename K>
    static void Add(Extent<K>& e, K v)
    {
        if constexpr (std::is_floating_point_v<K>) {
            e.lo = std::fmin(e.lo, v);
            e.hi = std::fmax(e.hi, v);
        } else {
            e.lo = std::min(e.lo, v);
            e.hi = std::max(e.hi, v);
        }
    }
    template <typename K>
    static void Merge(Extent<K>& e, const Extent<K>& o)
    {
        if constexpr (std::is_floating_point_v<K>) {
            e.lo = std::fmin(e.lo, o.lo);
            e.hi = std::fmax(e.hi, o.hi);
        } else {
            e.lo = std::min(e.lo, o.lo);
            e.hi = std::max(e.hi, o.hi);
        }
    }
};

// Logic words: lo = AND of all words, hi = OR of all words.
struct BitOrder {
    template <typename K>
    static Extent<K> Empty()
    {
        return {static_cast<K>(~K{0}), K{0}};
    }
    template <typename K>
    static void Add(Extent<K>& e, K v)
    {
        e.lo = static_cast<K>(e.lo & v);
        e.hi = static_cast<K>(e.hi | v);
    }
    template <typename K>
    static void Merge(Extent<K>& e, const Extent<K>& o)
    {
        e.lo = static_cast<K>(e.lo & o.lo);
        e.hi = static_cast<K>(e.hi | o.hi);
    }
};

// S: the stored element type; K: the key it is compared as, key = K(s - bias).
template <typename S, typename K, typename Order = ValueOrder>
class MinMaxSummary {
public:
    static constexpr std::int64_t kFanout = 10;

    MinMaxSummary() = default;
    // data must outlive the summary (it is the document's channel array).
    explicit MinMaxSummary(std::span<const S> data, S bias = S{}) : data_(data), bias_(bias) { Build(); }

    std::int64_t size() const { return static_cast<std::int64_t>(data_.size()); }
    bool empty() const { return data_.empty(); }

    K Key(std::int64_t i) const { return ToKey(data_[static_cast<std::size_t>(i)]); }

    // Extent of points first .. last-1; first < last <= size() expected, an
    // empty or reversed range answers Order::Empty().
    Extent<K> Query(std::int64_t first, std::int64_t last) const
    {
        Extent<K> acc = Order::template Empty<K>();
        first = std::max<std::int64_t>(first, 0);
        last = std::min(last, size());
        if (first >= last)
            return acc;
        std::int64_t lo = first;
        std::int64_t hi = last;
        std::size_t level = 0; // 0: raw points, n: levels_[n - 1]
        for (;;) {
            const bool top = level == levels_.size();
            if (top || hi - lo < kFanout) {
                AddRange(acc, level, lo, hi);
                return acc;
            }
            while (lo % kFanout != 0 && lo < hi)
                AddOne(acc, level, lo++);
            while (hi % kFanout != 0 && hi > lo)
                AddOne(acc, level, --hi);
            if (lo >= hi)
                return acc;
            lo /= kFanout;
            hi /= kFanout;
            ++level;
        }
    }

    // Memory held by the block levels, for the benchmark's report.
    std::size_t SummaryBytes() const
    {
        std::size_t n = 0;
        for (const auto& l : levels_)
            n += l.size() * sizeof(Extent<K>);
        return n;
    }

private:
    K ToKey(S s) const { return static_cast<K>(static_cast<S>(s - bias_)); }

    void Build()
    {
        levels_.clear();
        std::int64_t blocks = size() / kFanout;
        if (blocks == 0)
            return;
        std::vector<Extent<K>> first(static_cast<std::size_t>(blocks));
        const S* p = data_.data();
        for (std::int64_t b = 0; b < blocks; ++b) {
            Extent<K> e = Order::template Empty<K>();
            for (std::int64_t i = 0; i < kFanout; ++i)
                Order::Add(e, ToKey(p[b * kFanout + i]));
            first[static_cast<std::size_t>(b)] = e;
        }
        levels_.push_back(std::move(first));
        while (static_cast<std::int64_t>(levels_.back().size()) >= kFanout) {
            const auto& below = levels_.back();
            const std::int64_t n = static_cast<std::int64_t>(below.size()) / kFanout;
            std::vector<Extent<K>> next(static_cast<std::size_t>(n));
            for (std::int64_t b = 0; b < n; ++b) {
                Extent<K> e = below[static_cast<std::size_t>(b * kFanout)];
                for (std::int64_t i = 1; i < kFanout; ++i)
                    Order::Merge(e, below[static_cast<std::size_t>(b * kFanout + i)]);
                next[static_cast<std::size_t>(b)] = e;
            }
            levels_.push_back(std::move(next));
        }
    }

    void AddOne(Extent<K>& acc, std::size_t level, std::int64_t i) const
    {
        if (level == 0)
            Order::Add(acc, ToKey(data_[static_cast<std::size_t>(i)]));
        else
            Order::Merge(acc, levels_[level - 1][static_cast<std::size_t>(i)]);
    }

    void AddRange(Extent<K>& acc, std::size_t level, std::int64_t lo, std::int64_t hi) const
    {
        for (std::int64_t i = lo; i < hi; ++i)
            AddOne(acc, level, i);
    }

    std::span<const S> data_;
    S bias_{};
    std::vector<std::vector<Extent<K>>> levels_;
};

// The reference: a scan of every point of the range.
template <typename K, typename Order = ValueOrder, typename S>
Extent<K> PlainExtent(std::span<const S> data, std::int64_t first, std::int64_t last, S bias = S{})
{
    Extent<K> acc = Order::template Empty<K>();
    for (std::int64_t i = std::max<std::int64_t>(first, 0); i < std::min<std::int64_t>(last, data.size()); ++i)
        Order::Add(acc, static_cast<K>(static_cast<S>(data[static_cast<std::size_t>(i)] - bias)));
    return acc;
}

using SignedCodeSummary = MinMaxSummary<std::uint16_t, std::int16_t>;
using UnsignedCodeSummary = MinMaxSummary<std::uint16_t, std::uint16_t>;
using WideCodeSummary = MinMaxSummary<std::uint32_t, std::uint32_t>;
using ZeroReferencedSummary = MinMaxSummary<std::uint32_t, std::int32_t>;
using FloatSummary = MinMaxSummary<float, float>;
using LogicWordSummary = MinMaxSummary<std::uint32_t, std::uint32_t, BitOrder>;

} // namespace kp
