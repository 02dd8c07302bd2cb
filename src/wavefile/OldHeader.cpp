#include "wavefile/OldHeader.h"

#include "wavefile/HeaderRecord.h"

namespace kp::oldheader {

std::string Text(std::span<const std::uint8_t> header, std::size_t offset, std::size_t maxLength)
{
    std::string out;
    for (std::size_t i = 0; i < maxLength && offset + i < header.size(); ++i) {
        char c = static_cast<char>(header[offset + i]);
        if (c == '\0')
            break;
        out += c;
    }
    return out;
}

long long Number(std::span<const std::uint8_t> header, std::size_t offset, std::size_t maxLength)
{
    return ParseIntPrefix(Text(header, offset, maxLength));
}

std::string ChannelModule(std::span<const std::uint8_t> header, int channel)
{
    if (channel < 0 || channel >= kUnitSlotCount)
        return {};
    std::string model = Text(header, kUnitSlots + static_cast<std::size_t>(channel) * kUnitSlotSize, kUnitModelSize);
    while (!model.empty() && model.back() == ' ')
        model.pop_back();
    return model;
}

int ChannelZeroOffset(std::span<const std::uint8_t> header, int channel)
{
    std::string module = ChannelModule(header, channel);
    return module == "4522" || module == "3251" ? 727 : 2048;
}

} // namespace kp::oldheader
