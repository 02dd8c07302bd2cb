#include "interpret/HeaderBlockLayout.h"

#include <string>

#include "wavefile/ByteReader.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp::layout {

namespace {

// The unit number after a block tag's prefix: two decimal digits, 1-based; a
// bare tag is unit 0, anything else names no unit.
int UnitOfTag(const HeaderRecord& record, std::size_t prefixLength)
{
    const std::uint8_t a = record[prefixLength];
    const std::uint8_t b = record[prefixLength + 1];
    if (a == 0)
        return 0;
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0') - 1;
}

} // namespace

std::span<const std::uint8_t> UnitBlock(const CWaveHeadInfo& head, int unit)
{
    const HeaderFamily family = head.GetHeaderFamily();
    const char* tag = nullptr;
    if (family == HeaderFamily::Family1 || family == HeaderFamily::Family2 || family == HeaderFamily::Family7)
        tag = "HPF";
    else if (family == HeaderFamily::Family6)
        tag = "HPD5228";
    if (!tag || unit < 0)
        return {};
    const std::size_t prefix = std::char_traits<char>::length(tag);
    for (const HeaderRecord* record : head.RecordsTagged(tag))
        if (UnitOfTag(*record, prefix) == unit)
            return std::span<const std::uint8_t>(*record);
    return {};
}

bool UnitFlagged(const CWaveHeadInfo& head, int unit)
{
    return ByteAt(UnitBlock(head, unit), kUnitFlag) == 1;
}

std::span<const std::uint8_t> Family4ChannelBlock(const CWaveHeadInfo& head, int ch)
{
    if (head.GetHeaderFamily() != HeaderFamily::Family4 || ch < 0 || ch >= family4::kChannelBlockCount)
        return {};
    const auto old = head.OldHeader();
    const std::size_t at = family4::kChannelBlocks + static_cast<std::size_t>(ch) * family4::kChannelBlockSize;
    if (!Fits(old.size(), at, family4::kChannelBlockSize))
        return {};
    return old.subspan(at, family4::kChannelBlockSize);
}

std::uint8_t ByteAt(std::span<const std::uint8_t> block, std::size_t offset)
{
    return Fits(block.size(), offset, 1) ? block[offset] : 0;
}

std::int16_t Int16At(std::span<const std::uint8_t> block, std::size_t offset)
{
    return Fits(block.size(), offset, 2) ? static_cast<std::int16_t>(LoadBE16(block.data() + offset)) : 0;
}

std::int32_t Int32At(std::span<const std::uint8_t> block, std::size_t offset)
{
    return Fits(block.size(), offset, 4) ? static_cast<std::int32_t>(LoadBE32(block.data() + offset)) : 0;
}

float FloatAt(std::span<const std::uint8_t> block, std::size_t offset)
{
    return Fits(block.size(), offset, 4) ? std::bit_cast<float>(LoadBE32(block.data() + offset)) : 0.0f;
}

double DoubleAt(std::span<const std::uint8_t> block, std::size_t offset)
{
    return Fits(block.size(), offset, 8) ? std::bit_cast<double>(LoadBE64(block.data() + offset)) : 0.0;
}

std::string TextAt(std::span<const std::uint8_t> block, std::size_t offset, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length && offset + i < block.size(); ++i) {
        const char c = static_cast<char>(block[offset + i]);
        if (c == '\0')
            break;
        out += c;
    }
    return out;
}

} // namespace kp::layout
