#pragma once
// Horizontal magnification: how many points one pixel column holds. Each
// instrument model offers one family of 1-2-5 steps, coarsest first; index 0
// is the coarsest and a higher index a larger magnification.

#include <cstdint>
#include <string>

namespace kp {

inline constexpr int kMagnificationEntries = 20;
inline constexpr int kMagnificationFamilies = 8;

class Magnification {
public:
    explicit Magnification(int family = 0);

    int family() const { return family_; }
    // The last index that carries a label of its own.
    int lastIndex() const;
    // Points per column of an index; indices past the last one repeat 1.
    std::int64_t pointsPerColumn(int index) const;
    // "1:" followed by the points per column.
    std::string label(int index) const;

    // The largest index at which a record of n points needs fewer than 32501
    // columns; 0 when even the coarsest needs more.
    int highestIndex(std::int64_t n) const;
    // Fit to window: the largest magnification at which the whole record
    // still fits waveWidth columns; index 0 when even the coarsest overflows,
    // the highest index when every entry fits.
    int startIndex(std::int64_t n, int waveWidth) const;

private:
    int family_;
};

} // namespace kp
