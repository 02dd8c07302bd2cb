#include "view/TextTable.h"

#include "format/SettingsEncoding.h"

#include <algorithm>

namespace kp {

std::string EncodeColumnWidths(const std::vector<int>& widths)
{
    std::string out;
    for (int w : widths) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(w);
    }
    return out;
}

std::vector<int> DecodeColumnWidths(const std::string& text, std::size_t count, int fallback, int cap)
{
    std::vector<int> read(count, fallback);
    const int n = ScanIntegers(text, read.data(), static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i) {
        int& w = read[i];
        if (static_cast<int>(i) >= n || w <= 0)
            w = fallback;
        if (cap > 0)
            w = std::min(w, cap);
    }
    return read;
}

} // namespace kp
