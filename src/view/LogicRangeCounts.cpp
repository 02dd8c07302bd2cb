#include "view/LogicRangeCounts.h"

#include <algorithm>

namespace kp {

BlockLogicCounts::BlockLogicCounts(std::span<const std::uint32_t> words, int bit)
    : words_(words)
    , bit_(bit)
{
    const auto n = static_cast<std::int64_t>(words.size());
    blocks_.resize(static_cast<std::size_t>(n / kBlock));
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        LogicCounts c;
        const auto first = static_cast<std::int64_t>(b) * kBlock;
        AddPoints(c, first, first + kBlock, std::max<std::int64_t>(first, 1));
        blocks_[b] = { static_cast<std::uint16_t>(c.high), static_cast<std::uint16_t>(c.rising),
            static_cast<std::uint16_t>(c.falling) };
    }
}

// Levels of points from .. to-1, edges ending at points edgesFrom .. to-1.
void BlockLogicCounts::AddPoints(LogicCounts& c, std::int64_t from, std::int64_t to, std::int64_t edgesFrom) const
{
    for (std::int64_t i = from; i < to; ++i) {
        const bool now = Bit(i);
        c.high += now ? 1 : 0;
        if (i >= edgesFrom && i > 0) {
            const bool before = Bit(i - 1);
            c.rising += (!before && now) ? 1 : 0;
            c.falling += (before && !now) ? 1 : 0;
        }
    }
}

LogicCounts BlockLogicCounts::Query(std::int64_t first, std::int64_t last) const
{
    LogicCounts c;
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, static_cast<std::int64_t>(words_.size()) - 1);
    if (first > last)
        return c;
    c.points = last - first + 1;
    const std::int64_t end = last + 1;
    const std::int64_t firstBlock = first / kBlock + 1; // whole blocks after the one holding `first`
    const std::int64_t endBlock = std::min<std::int64_t>(end / kBlock, static_cast<std::int64_t>(blocks_.size()));
    if (firstBlock >= endBlock) {
        AddPoints(c, first, end, first + 1);
        return c;
    }
    AddPoints(c, first, firstBlock * kBlock, first + 1);
    for (std::int64_t b = firstBlock; b < endBlock; ++b) {
        const Block& k = blocks_[static_cast<std::size_t>(b)];
        c.high += k.high;
        c.rising += k.rising;
        c.falling += k.falling;
    }
    AddPoints(c, endBlock * kBlock, end, endBlock * kBlock);
    return c;
}

LogicCounts PlainLogicCounts(std::span<const std::uint32_t> words, int bit, std::int64_t first, std::int64_t last)
{
    LogicCounts c;
    for (std::int64_t i = first; i <= last; ++i) {
        const bool now = (words[static_cast<std::size_t>(i)] >> bit) & 1u;
        ++c.points;
        c.high += now ? 1 : 0;
        if (i > first) {
            const bool before = (words[static_cast<std::size_t>(i - 1)] >> bit) & 1u;
            c.rising += (!before && now) ? 1 : 0;
            c.falling += (before && !now) ? 1 : 0;
        }
    }
    return c;
}

} // namespace kp
