#include "wavefile/ChannelMap.h"

#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

// Decimal value of text[pos, pos + count); nullopt unless all are digits.
std::optional<int> Digits(std::string_view text, std::size_t pos, std::size_t count)
{
    if (pos + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<std::uint32_t> ParseHex32(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

FrameEntry Entry(int index, char letter, FrameValueKind kind, int slot, int offset, int size)
{
    FrameEntry e;
    e.index = index;
    e.letter = letter;
    e.kind = kind;
    e.slot = slot;
    e.offset = static_cast<std::uint32_t>(offset);
    e.size = size;
    return e;
}

} // namespace

GpsSplit GpsSplitOf(const HeaderRecord* gpsHeader, int slot)
{
    GpsSplit split;
    const int k = slot - kFamily8GpsSplitFirstSlot;
    if (gpsHeader == nullptr || k < 0 || k >= kFamily8GpsSplitSlots)
        return split;
    const auto mask = ParseHex32(FieldText(*gpsHeader, kGpsSplitMaskField + 2 * k));
    if (!mask)
        return split;
    split.mask = *mask;
    const long long shift = FieldInt(*gpsHeader, kGpsSplitMaskField + 2 * k + 1);
    split.shift = shift >= 0 && shift < 32 ? static_cast<int>(shift) : 0;
    return split;
}

GpsSplit GpsSplitOf(const CWaveHeadInfo& head, int slot)
{
    return GpsSplitOf(head.GpsHeader(), slot);
}

// Family 8: "1" used flag, kind letter, "2" after "A" for a 32-bit logic unit,
// unit digit, two channel digits, and at characters 9-10 the offset in 16-bit
// words.
std::optional<FrameEntry> ParseFamily8MapEntry(std::string_view text, int index)
{
    if (text.size() < 11 || text[0] != '1')
        return std::nullopt;
    const char letter = text[1];
    const auto unit = Digits(text, 3, 1);
    auto channel = Digits(text, 4, 2);
    const auto words = Digits(text, 9, 2);
    if (!unit || !channel || !words)
        return std::nullopt;
    const int offset = *words * 2;
    switch (letter) {
    case 'A': {
        const int slot = *unit * 15 + *channel;
        if (slot >= kFamily8AnalogSlots)
            return std::nullopt;
        if (text[2] == '2')
            return Entry(index, letter, FrameValueKind::LogicWord32, slot, offset, 4);
        return Entry(index, letter, FrameValueKind::Analog16, slot, offset, 2);
    }
    case 'I':
        return Entry(index, letter, FrameValueKind::LogicHalf16, 0, offset, 2);
    case 'C': {
        // CAN logic unit c (the unit digit) continues the built-in unit's
        // nibbles: half c + 1, so units 4(c+1) .. 4(c+1)+3.
        if (*unit > 3)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::LogicHalf16, *unit + 1, offset, 2);
    }
    case 'P':
        if (*channel >= kFamily8PulseChannels)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::Pulse16, *channel, offset, 2);
    case 'S':
        if (*channel >= kFamily8FloatChannels)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::Float32, *channel, offset, 4);
    case 'R':
    case 'W': {
        const int n = *unit * 2 + *channel;
        if (n >= 8)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::LogicWord32, kFamily8WaveCalcFirstSlot + n, offset, 4);
    }
    case 'G': {
        const int n = *unit * 2 + (*channel - 2);
        if (*channel < 2 || n >= 8)
            return std::nullopt;
        if (n < 6)
            return Entry(index, letter, FrameValueKind::LogicWord32, kFamily8GpsFirstSlot + n, offset, 4);
        FrameEntry e = Entry(index, letter, FrameValueKind::GpsSplit32,
            n == 6 ? kFamily8GpsSplitFirstSlot : kFamily8GpsSplitFirstSlot + 3, offset, 4);
        e.slotCount = n == 6 ? 3 : 4;
        return e;
    }
    default:
        return std::nullopt;
    }
}

// Family 9: kind letter, unit (2 digits, from 1), channel (2 digits, from 1),
// "2" at character 6 for a 32-bit logic unit, byte offset at characters 8-10.
std::optional<FrameEntry> ParseFamily9MapEntry(std::string_view text, int index)
{
    if (text.size() < 11)
        return std::nullopt;
    const char letter = text[0];
    const auto unit = Digits(text, 1, 2);
    const auto channel = Digits(text, 3, 2);
    const auto offset = Digits(text, 8, 3);
    if (!unit || !channel || !offset || *unit < 1 || *channel < 1)
        return std::nullopt;
    switch (letter) {
    case 'H': {
        const int half = *unit - 1;
        if (half >= 2 * 16)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::LogicHalf16, half, *offset, 2);
    }
    case 'W':
        if (*channel > 16)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::Float32, *channel - 1, *offset, 4);
    case 'Z':
        if (*channel > 16)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::Float32, 16 + *channel - 1, *offset, 4);
    case 'V':
        if (*channel > 64)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::Float32, 32 + *channel - 1, *offset, 4);
    default:
        break;
    }
    if (letter == '\0' || letter == ' ')
        return std::nullopt;
    const int slot = (*unit - 1) * 8 + (*channel - 1);
    if (text[6] == '2') {
        if (slot >= 352)
            return std::nullopt;
        return Entry(index, letter, FrameValueKind::LogicWord32, slot, *offset, 4);
    }
    if (slot >= kFamily9AnalogSlots)
        return std::nullopt;
    return Entry(index, letter, FrameValueKind::Analog16, slot, *offset, 2);
}

std::string MapEntryText(const CWaveHeadInfo& head, int index)
{
    const HeaderFamily family = head.GetHeaderFamily();
    if (family != HeaderFamily::Family8 && family != HeaderFamily::Family9)
        return {};
    const int perRecord = family == HeaderFamily::Family8 ? kFamily8MapEntriesPerRecord : kFamily9MapEntriesPerRecord;
    const int count = family == HeaderFamily::Family8 ? kFamily8MapEntries : kFamily9MapEntries;
    if (index < 0 || index >= count)
        return {};
    const HeaderRecord* record = head.WaveHeader2(index / perRecord);
    if (record == nullptr)
        return {};
    return FieldText(*record, kMapFirstField + index % perRecord);
}

std::vector<FrameEntry> ReadChannelMap(const CWaveHeadInfo& head)
{
    std::vector<FrameEntry> entries;
    const HeaderFamily family = head.GetHeaderFamily();
    if (family != HeaderFamily::Family8 && family != HeaderFamily::Family9)
        return entries;
    const int count = family == HeaderFamily::Family8 ? kFamily8MapEntries : kFamily9MapEntries;
    for (int a = 0; a < count; ++a) {
        const std::string text = MapEntryText(head, a);
        if (text.empty())
            continue;
        auto entry = family == HeaderFamily::Family8 ? ParseFamily8MapEntry(text, a) : ParseFamily9MapEntry(text, a);
        if (entry)
            entries.push_back(*entry);
    }
    return entries;
}

std::int64_t ReadFrameSize(const CWaveHeadInfo& head)
{
    const HeaderFamily family = head.GetHeaderFamily();
    const HeaderRecord* wave1 = head.WaveHeader1();
    if ((family != HeaderFamily::Family8 && family != HeaderFamily::Family9) || wave1 == nullptr)
        return 0;
    return FieldInt(*wave1, family == HeaderFamily::Family8 ? kFamily8FrameSizeField : kFamily9FrameSizeField);
}

} // namespace kp
