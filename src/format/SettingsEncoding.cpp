#include "format/SettingsEncoding.h"

#include "platform/SettingsStore.h"

#include <charconv>
#include <vector>

namespace kp {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string Section(SettingKey key)
{
    return std::string(key.section);
}
std::string Key(SettingKey key)
{
    return std::string(key.key);
}

std::string Join(const int* values, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ' ';
        out += std::to_string(values[i]);
    }
    return out;
}

} // namespace

int ScanIntegers(std::string_view text, int* values, int count)
{
    std::size_t pos = 0;
    int read = 0;
    while (read < count) {
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos >= text.size())
            break;
        std::size_t start = pos;
        // from_chars takes "-" but not "+"; the scan accepts both signs.
        if (text[pos] == '+' && pos + 1 < text.size() && text[pos + 1] != '-')
            start = ++pos;
        int value = 0;
        auto [end, ec] = std::from_chars(text.data() + start, text.data() + text.size(), value);
        if (ec != std::errc())
            break;
        values[read++] = value;
        pos = static_cast<std::size_t>(end - text.data());
    }
    return read;
}

std::string EncodeColour(RgbColour colour)
{
    const int v[3] = { colour.red, colour.green, colour.blue };
    return Join(v, 3);
}

std::optional<RgbColour> DecodeColour(std::string_view text)
{
    int v[3];
    if (ScanIntegers(text, v, 3) != 3)
        return std::nullopt;
    return RgbColour { static_cast<std::uint8_t>(v[0] & 0xFF), static_cast<std::uint8_t>(v[1] & 0xFF),
        static_cast<std::uint8_t>(v[2] & 0xFF) };
}

std::string EncodeRect(const SettingsRect& rect)
{
    const int v[4] = { rect.left, rect.top, rect.right, rect.bottom };
    return Join(v, 4);
}

std::optional<SettingsRect> DecodeRect(std::string_view text)
{
    int v[4];
    if (ScanIntegers(text, v, 4) != 4)
        return std::nullopt;
    return SettingsRect { v[0], v[1], v[2], v[3] };
}

std::string EncodePoint(const SettingsPoint& point)
{
    const int v[2] = { point.x, point.y };
    return Join(v, 2);
}

std::optional<SettingsPoint> DecodePoint(std::string_view text)
{
    int v[2];
    if (ScanIntegers(text, v, 2) != 2)
        return std::nullopt;
    return SettingsPoint { v[0], v[1] };
}

std::string EncodePlacement(const WindowPlacement& p)
{
    std::string out = std::to_string(p.flags) + ' ' + std::to_string(p.showCmd) + ' ';
    const int v[8] = { p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y, p.normalPosition.left,
        p.normalPosition.top, p.normalPosition.right, p.normalPosition.bottom };
    return out + Join(v, 8);
}

std::optional<WindowPlacement> DecodePlacement(std::string_view text)
{
    int v[10];
    if (ScanIntegers(text, v, 10) != 10)
        return std::nullopt;
    WindowPlacement p;
    p.flags = static_cast<unsigned>(v[0]);
    p.showCmd = static_cast<unsigned>(v[1]);
    p.minPosition = { v[2], v[3] };
    p.maxPosition = { v[4], v[5] };
    p.normalPosition = { v[6], v[7], v[8], v[9] };
    return p;
}

std::optional<CustomColours> DecodeCustomColours(const std::vector<std::uint8_t>& bytes)
{
    CustomColours colours;
    if (bytes.size() != colours.size() * 3)
        return std::nullopt;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = { bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2] };
    return colours;
}

std::vector<std::uint8_t> EncodeCustomColours(const CustomColours& colours)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(colours.size() * 3);
    for (const RgbColour& c : colours) {
        bytes.push_back(c.red);
        bytes.push_back(c.green);
        bytes.push_back(c.blue);
    }
    return bytes;
}

int ReadInt(const SettingsStore& store, SettingKey key, int defaultValue)
{
    return store.readInt(Section(key), Key(key), defaultValue);
}

std::string ReadText(const SettingsStore& store, SettingKey key, const std::string& defaultValue)
{
    return store.readText(Section(key), Key(key), defaultValue);
}

void WriteInt(SettingsStore& store, SettingKey key, int value)
{
    store.writeInt(Section(key), Key(key), value);
}

void WriteText(SettingsStore& store, SettingKey key, const std::string& value)
{
    store.writeText(Section(key), Key(key), value);
}

RgbColour ReadColour(const SettingsStore& store, SettingKey key, RgbColour defaultValue)
{
    return DecodeColour(ReadText(store, key, {})).value_or(defaultValue);
}

void WriteColour(SettingsStore& store, SettingKey key, RgbColour colour)
{
    WriteText(store, key, EncodeColour(colour));
}

SettingsRect ReadRect(const SettingsStore& store, SettingKey key, const SettingsRect& defaultValue)
{
    return DecodeRect(ReadText(store, key, {})).value_or(defaultValue);
}

void WriteRect(SettingsStore& store, SettingKey key, const SettingsRect& rect)
{
    WriteText(store, key, EncodeRect(rect));
}

SettingsPoint ReadPoint(const SettingsStore& store, SettingKey key, const SettingsPoint& defaultValue)
{
    return DecodePoint(ReadText(store, key, {})).value_or(defaultValue);
}

void WritePoint(SettingsStore& store, SettingKey key, const SettingsPoint& point)
{
    WriteText(store, key, EncodePoint(point));
}

WindowPlacement ReadPlacement(const SettingsStore& store, SettingKey key, const WindowPlacement& defaultValue)
{
    return DecodePlacement(ReadText(store, key, {})).value_or(defaultValue);
}

void WritePlacement(SettingsStore& store, SettingKey key, const WindowPlacement& placement)
{
    WriteText(store, key, EncodePlacement(placement));
}

} // namespace kp
