#include "export/FileDivision.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace kp {

std::vector<PointRange> DivideRange(PointRange range, int thinOut, int pointsPerFile)
{
    if (range.last < range.first)
        return {};
    if (pointsPerFile <= 0)
        return { range };
    const std::int64_t span = range.last - range.first + 1;
    const std::int64_t chunk = static_cast<std::int64_t>(std::max(1, thinOut)) * pointsPerFile;
    std::int64_t files = span / chunk + (span % chunk > 1 ? 1 : 0);
    // A one-point range would get no file at all by that count.
    files = std::max<std::int64_t>(files, 1);

    std::vector<PointRange> out;
    out.reserve(static_cast<std::size_t>(files));
    for (std::int64_t i = 0; i < files; ++i) {
        const std::int64_t first = range.first + i * chunk;
        out.push_back({ first, std::min(range.last, first + chunk - 1) });
    }
    // A remainder of one point joins the last file.
    out.back().last = range.last;
    return out;
}

NumberedNames::NumberedNames(const std::filesystem::path& chosen, int maxCounter)
    : folder_(chosen.parent_path())
    , title_(chosen.stem().string())
    , extension_(chosen.extension().string())
    , maxCounter_(maxCounter)
{
}

std::filesystem::path NumberedNames::NameFor(int counter) const
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%03d", counter);
    return folder_ / (title_ + suffix + extension_);
}

std::optional<std::filesystem::path> NumberedNames::next()
{
    for (; counter_ <= maxCounter_; ++counter_) {
        std::filesystem::path name = NameFor(counter_);
        lastTried_ = name;
        std::error_code ec;
        if (!std::filesystem::exists(name, ec)) {
            ++counter_;
            return name;
        }
    }
    return std::nullopt;
}

} // namespace kp
