#include "wavefile/Utf16Text.h"

#include <algorithm>

namespace kp {
namespace {

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Utf16ToUtf8(
    std::span<const std::uint8_t> bytes, ByteOrder order, std::size_t maxUnits, std::size_t maxBytes)
{
    const std::size_t units = std::min(maxUnits, bytes.size() / 2);
    auto unit = [&](std::size_t i) -> char16_t {
        const std::uint8_t* p = bytes.data() + 2 * i;
        return static_cast<char16_t>(order == ByteOrder::Big ? LoadBE16(p) : LoadLE16(p));
    };

    std::string out;
    std::string encoded;
    for (std::size_t i = 0; i < units; ++i) {
        char16_t u = unit(i);
        if (u == 0)
            break;
        char32_t c = u;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            c = 0xFFFD;
        }
        encoded.clear();
        AppendUtf8(encoded, c);
        if (out.size() + encoded.size() > maxBytes)
            break;
        out += encoded;
    }
    return out;
}

} // namespace kp
