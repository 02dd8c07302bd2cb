#include "view/Magnification.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kp {

namespace {

using Family = std::vector<std::int64_t>;

const std::array<Family, kMagnificationFamilies>& Families()
{
    static const Family f2 { 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1 };
    static const Family f3 { 50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1 };
    static const std::array<Family, kMagnificationFamilies> families { {
        { 200, 100, 50, 20, 10, 5, 2, 1 },
        { 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1 },
        f2,
        f3,
        { 500000, 200000, 100000, 50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1 },
        f3,
        f2,
        f2,
    } };
    return families;
}

} // namespace

Magnification::Magnification(int family)
    : family_(std::clamp(family, 0, kMagnificationFamilies - 1))
{
}

int Magnification::lastIndex() const
{
    return static_cast<int>(Families()[static_cast<std::size_t>(family_)].size()) - 1;
}

std::int64_t Magnification::pointsPerColumn(int index) const
{
    const Family& f = Families()[static_cast<std::size_t>(family_)];
    if (index < 0)
        index = 0;
    if (index >= static_cast<int>(f.size()))
        return 1;
    return f[static_cast<std::size_t>(index)];
}

std::string Magnification::label(int index) const
{
    return "1:" + std::to_string(pointsPerColumn(index));
}

int Magnification::highestIndex(std::int64_t n) const
{
    int index = lastIndex();
    while (index > 0 && n / pointsPerColumn(index) >= 32501)
        --index;
    return index;
}

int Magnification::startIndex(std::int64_t n, int waveWidth) const
{
    for (int i = 0; i < kMagnificationEntries; ++i) {
        if (n / pointsPerColumn(i) >= waveWidth)
            return std::min(std::max(i - 1, 0), highestIndex(n));
    }
    return highestIndex(n);
}

} // namespace kp
