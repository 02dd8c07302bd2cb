#pragma once
// One-line reports of a conversion that could not read all of its source,
// worded so that a script reading standard error can tell a partial
// conversion from a failed one.

#include <cstdint>
#include <filesystem>
#include <string>

namespace kp {

// "cut short: 49,987 of 100,000 points converted: PATH"
std::string CutShortText(const std::filesystem::path& source, std::int64_t converted, std::int64_t points);

// "the file changed or could not be read while converting: PATH"
std::string SourceChangedText(const std::filesystem::path& source);

// 100000 as "100,000".
std::string GroupedCount(std::int64_t n);

} // namespace kp
