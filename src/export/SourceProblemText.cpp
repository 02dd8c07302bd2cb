#include "export/SourceProblemText.h"

namespace kp {

std::string GroupedCount(std::int64_t n)
{
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string CutShortText(const std::filesystem::path& source, std::int64_t converted, std::int64_t points)
{
    return "cut short: " + GroupedCount(converted) + " of " + GroupedCount(points)
        + " points converted: " + source.string();
}

std::string SourceChangedText(const std::filesystem::path& source)
{
    return "the file changed or could not be read while converting: " + source.string();
}

} // namespace kp
