#include "format/BitsFormat.h"

namespace kp {

std::string FormatBits(std::uint64_t value, int width)
{
    if (width <= 0)
        return {};
    std::string text(static_cast<std::size_t>(width), '0');
    for (int bit = 0; bit < width && bit < 64; ++bit) {
        if ((value >> bit) & 1u)
            text[static_cast<std::size_t>(width - 1 - bit)] = '1';
    }
    return text;
}

} // namespace kp
