#include "view/NameStacking.h"

#include <algorithm>
#include <numeric>

namespace kp {

std::vector<int> StackNameTops(const std::vector<int>& tops, int height, int highest, int lowest)
{
    std::vector<std::size_t> order(tops.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return tops[a] < tops[b]; });
    std::vector<int> out = tops;
    for (std::size_t k = 1; k < order.size(); ++k)
        out[order[k]] = std::max(out[order[k]], out[order[k - 1]] + height);
    for (std::size_t k = order.size(); k-- > 0;) {
        const int limit = k + 1 < order.size() ? out[order[k + 1]] - height : lowest;
        if (out[order[k]] > limit)
            out[order[k]] = std::max(limit, highest);
    }
    return out;
}

} // namespace kp
