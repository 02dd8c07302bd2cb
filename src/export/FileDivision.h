#pragma once
// Dividing one conversion into several files of a fixed number of points,
// and the numbered names those files get.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace kp {

// Points first ... last, both included.
struct PointRange {
    std::int64_t first = 0;
    std::int64_t last = -1;

    // Rows written for the range when every step-th point is kept.
    std::int64_t Rows(std::int64_t step) const { return last < first ? 0 : (last - first) / step + 1; }
};

// The files of a range: each holds thinOut x pointsPerFile points; a
// remainder of more than one point gets a file of its own, a remainder of one
// point joins the last file. pointsPerFile 0 (no division) gives the range
// itself. A range of a single point gives one file.
std::vector<PointRange> DivideRange(PointRange range, int thinOut, int pointsPerFile);

// The highest counter a numbered name may carry.
inline constexpr int kMaxNameCounter = 100000;

// folder / title + "-%03d" + extension of a chosen path, with one counter for
// the whole conversion that skips names that exist.
class NumberedNames {
public:
    explicit NumberedNames(const std::filesystem::path& chosen, int maxCounter = kMaxNameCounter);
    // The next free name; nothing once the counter passes maxCounter
    // (lastTried() then names the last name that was found to exist).
    std::optional<std::filesystem::path> next();
    const std::filesystem::path& lastTried() const { return lastTried_; }

private:
    std::filesystem::path NameFor(int counter) const;

    std::filesystem::path folder_;
    std::string title_;
    std::string extension_;
    int maxCounter_;
    int counter_ = 0;
    std::filesystem::path lastTried_;
};

} // namespace kp
