#pragma once
// Edges and time high of one logic probe over any range of points, from
// per-block counts kept beside the logic words.

#include <cstdint>
#include <span>
#include <vector>

namespace kp {

struct LogicCounts {
    std::int64_t points = 0;
    std::int64_t high = 0;
    std::int64_t rising = 0;
    std::int64_t falling = 0;
    friend bool operator==(const LogicCounts&, const LogicCounts&) = default;
};

class BlockLogicCounts {
public:
    static constexpr std::int64_t kBlock = 1024;

    BlockLogicCounts() = default;
    // words must outlive the counts (the document's logic group).
    BlockLogicCounts(std::span<const std::uint32_t> words, int bit);

    // Points first .. last inclusive; an edge is counted at the point where
    // the new level starts, so a range of one point has none.
    LogicCounts Query(std::int64_t first, std::int64_t last) const;

private:
    struct Block {
        std::uint16_t high = 0;
        std::uint16_t rising = 0; // edges ending at a point of the block
        std::uint16_t falling = 0;
    };
    bool Bit(std::int64_t i) const { return (words_[static_cast<std::size_t>(i)] >> bit_) & 1u; }
    void AddPoints(LogicCounts& c, std::int64_t from, std::int64_t to, std::int64_t edgesFrom) const;

    std::span<const std::uint32_t> words_;
    int bit_ = 0;
    std::vector<Block> blocks_;
};

// The reference: every point of the range.
LogicCounts PlainLogicCounts(std::span<const std::uint32_t> words, int bit, std::int64_t first, std::int64_t last);

} // namespace kp
