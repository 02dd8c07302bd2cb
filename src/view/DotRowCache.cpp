#include "view/DotRowCache.h"

#include "view/DivisionGeometry.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace kp {

namespace {

// Ranges this short are read point by point. Anything longer is worth a
// look-up: a block of ten costs one, and often shows that its rows are hit
// already (measured: a third less time than scanning blocks of ten).
constexpr std::int64_t kScanLength = 1;
// Runs kept over all traces before the cache starts afresh (8 bytes each).
constexpr std::size_t kRunBudget = std::size_t { 8 } << 20;

bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool SameScaling(const TraceScaling& a, const TraceScaling& b)
{
    return SameBits(a.codeOffset, b.codeOffset) && SameBits(a.gain, b.gain) && SameBits(a.span, b.span)
        && SameBits(a.displayOffset, b.displayOffset) && SameBits(a.unsignedOffset, b.unsignedOffset)
        && SameBits(a.offset2, b.offset2) && SameBits(a.gain2, b.gain2) && SameBits(a.displayOffset2, b.displayOffset2)
        && SameBits(a.divisor, b.divisor);
}

// With finite terms the height is a chain of additions, multiplications and
// divisions by constants, each monotonic in the value, and a NaN height (put
// on the centre line) can only arise between values whose heights are
// infinite with opposite signs, or at an extreme of the range itself; the
// extremes are checked range by range.
bool FiniteTerms(const DotRowKey& k)
{
    const TraceScaling& s = k.scaling;
    for (double v : { s.codeOffset, s.gain, s.span, s.displayOffset, s.unsignedOffset, s.offset2, s.gain2,
             s.displayOffset2, s.divisor, k.zoom, k.position }) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

} // namespace

bool DotRowKey::operator==(const DotRowKey& o) const
{
    return primary == o.primary && secondary == o.secondary && coding == o.coding && SameScaling(scaling, o.scaling)
        && SameBits(zoom, o.zoom) && SameBits(position, o.position) && points == o.points
        && pointsPerColumn == o.pointsPerColumn && centre == o.centre && halfHeight == o.halfHeight;
}

DotColumns::DotColumns(const DotRowKey& key)
    : key_(key)
{
    const std::int64_t ppc = std::max<std::int64_t>(key_.pointsPerColumn, 1);
    const std::int64_t full = key_.points > 0 ? key_.points / ppc : 0;
    width_ = static_cast<int>(std::min(full, kMaxWaveColumns));
    leftover_ = full > 0 && full <= kMaxWaveColumns && key_.points % ppc != 0;
    const int half = std::max(key_.halfHeight, 0);
    base_ = key_.centre - half - 2;
    hit_.assign(static_cast<std::size_t>((2 * half + 5 + 63) / 64), 0);
    useExtents_ = FiniteTerms(key_);
    begin_.assign(static_cast<std::size_t>(width_), kUnknown);
    count_.assign(static_cast<std::size_t>(width_), 0);
}

void DotColumns::Forget()
{
    std::fill(begin_.begin(), begin_.end(), kUnknown);
    runs_.clear();
}

std::span<const RowRun> DotColumns::Rows(int column)
{
    if (column < 0 || column >= width_ || !key_.primary)
        return {};
    const auto c = static_cast<std::size_t>(column);
    if (begin_[c] == kUnknown) {
        if (runs_.size() > kRunBudget)
            Forget();
        std::fill(hit_.begin(), hit_.end(), 0);
        const std::int64_t ppc = key_.pointsPerColumn;
        const std::int64_t first = column * ppc;
        std::int64_t last = first + ppc;
        // The points left over after the last full column are drawn on it.
        if (column == width_ - 1 && leftover_)
            last = key_.points;
        Collect(*key_.primary, first, last);
        if (key_.secondary)
            Collect(*key_.secondary, first, last);
        begin_[c] = static_cast<std::uint32_t>(runs_.size());
        const int slots = static_cast<int>(hit_.size()) * 64;
        for (int s = NextSlot(0, true); s < slots;) {
            const int end = NextSlot(s, false);
            runs_.push_back({ base_ + s, base_ + end - 1 });
            s = NextSlot(end, true);
        }
        count_[c] = static_cast<std::uint32_t>(runs_.size() - begin_[c]);
    }
    return { runs_.data() + begin_[c], count_[c] };
}

int DotColumns::Slot(double v) const
{
    const double z = NormalisedHeight(key_.coding, key_.scaling, key_.zoom, key_.position, v);
    return TraceRow(z, key_.centre, key_.halfHeight) - base_;
}

// The first slot from `from` on that is hit (set) or not hit (!set); the
// number of slots when there is none.
int DotColumns::NextSlot(int from, bool set) const
{
    const int slots = static_cast<int>(hit_.size()) * 64;
    while (from < slots) {
        std::uint64_t word = hit_[static_cast<std::size_t>(from >> 6)];
        if (!set)
            word = ~word;
        word &= ~std::uint64_t { 0 } << (from & 63);
        if (word != 0)
            return (from & ~63) + std::countr_zero(word);
        from = (from & ~63) + 64;
    }
    return slots;
}

void DotColumns::Set(int slot)
{
    hit_[static_cast<std::size_t>(slot >> 6)] |= std::uint64_t { 1 } << (slot & 63);
}

bool DotColumns::AllSet(int a, int b) const
{
    for (int s = a; s <= b;) {
        const std::uint64_t word = hit_[static_cast<std::size_t>(s >> 6)];
        const int from = s & 63;
        const int to = std::min(63, from + (b - s));
        const std::uint64_t span = to == 63 ? ~std::uint64_t { 0 } : (std::uint64_t { 1 } << (to + 1)) - 1;
        const std::uint64_t mask = span & ~((std::uint64_t { 1 } << from) - 1);
        if ((word & mask) != mask)
            return false;
        s += to - from + 1;
    }
    return true;
}

void DotColumns::Scan(const ValueColumns& src, std::int64_t first, std::int64_t last)
{
    for (std::int64_t i = first; i < last; ++i) {
        const double v = src.Value(i);
        if (!std::isnan(v))
            Set(Slot(v));
    }
}

void DotColumns::Collect(const ValueColumns& src, std::int64_t first, std::int64_t last)
{
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, src.size());
    if (first >= last)
        return;
    if (!useExtents_ || last - first <= kScanLength) {
        Scan(src, first, last);
        return;
    }
    double lo = 0, hi = 0;
    if (!src.Range(first, last, lo, hi))
        return; // nothing but NaN
    const double zlo = NormalisedHeight(key_.coding, key_.scaling, key_.zoom, key_.position, lo);
    const double zhi = NormalisedHeight(key_.coding, key_.scaling, key_.zoom, key_.position, hi);
    if (std::isnan(zlo) || std::isnan(zhi)) {
        Scan(src, first, last);
        return;
    }
    int a = Slot(lo), b = Slot(hi);
    if (a > b)
        std::swap(a, b);
    // The extremes are samples of the range, so their rows are hit; every
    // other sample lies on a row between them.
    Set(a);
    Set(b);
    if (b - a <= 1 || AllSet(a + 1, b - 1))
        return;
    // Split along the summary's blocks (powers of ten), so that each part is
    // answered from a single block.
    std::int64_t step = 1;
    while (step * 10 < last - first)
        step *= 10;
    for (std::int64_t s = first; s < last;) {
        const std::int64_t e = std::min(last, (s / step + 1) * step);
        Collect(src, s, e);
        s = e;
    }
}

DotColumns& DotRowCache::For(const DotRowKey& key)
{
    std::size_t runs = 0;
    for (const DotColumns& e : entries_)
        runs += e.RunCount();
    if (runs > kRunBudget)
        entries_.clear();
    for (DotColumns& e : entries_) {
        if (e.key().primary == key.primary && e.key().secondary == key.secondary) {
            if (!(e.key() == key))
                e = DotColumns(key);
            return e;
        }
    }
    entries_.emplace_back(key);
    return entries_.back();
}

} // namespace kp
