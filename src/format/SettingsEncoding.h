#pragma once
// The text forms in which colours, rectangles, points and window placements
// are stored, and their readers. A stored value is taken only when it holds
// exactly the numbers its form needs; anything else leaves the caller's
// default, so a damaged value never moves a window off screen or paints with
// a half-read colour.

#include "platform/SettingKey.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

class SettingsStore;

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RgbColour&) const = default;
};

struct SettingsRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SettingsRect&) const = default;
};

struct SettingsPoint {
    int x = 0;
    int y = 0;
    bool operator==(const SettingsPoint&) const = default;
};

// A window's saved placement: flags, show state, minimised and maximised
// positions and the normal (restored) rectangle.
struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCmd = 0;
    SettingsPoint minPosition;
    SettingsPoint maxPosition;
    SettingsRect normalPosition;
    bool operator==(const WindowPlacement&) const = default;
};

// Reads up to `count` decimal integers separated by blanks, the way a
// "%d %d ..." scan does: it stops at the first text that is not a number and
// ignores whatever follows the last one. Returns how many were read.
int ScanIntegers(std::string_view text, int* values, int count);

// "%d %d %d": red green blue.
std::string EncodeColour(RgbColour colour);
// Components are kept to their low eight bits, as a colour value stores them.
std::optional<RgbColour> DecodeColour(std::string_view text);

// "%d %d %d %d": left top right bottom.
std::string EncodeRect(const SettingsRect& rect);
std::optional<SettingsRect> DecodeRect(std::string_view text);

// "%d %d".
std::string EncodePoint(const SettingsPoint& point);
std::optional<SettingsPoint> DecodePoint(std::string_view text);

// "%u %u %d %d %d %d %d %d %d %d".
std::string EncodePlacement(const WindowPlacement& placement);
std::optional<WindowPlacement> DecodePlacement(std::string_view text);

// The 16 custom colours of the colour picker, stored as binary red, green,
// blue bytes per colour; any other length leaves the default.
using CustomColours = std::array<RgbColour, 16>;
std::optional<CustomColours> DecodeCustomColours(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> EncodeCustomColours(const CustomColours& colours);

// Store helpers: read with a default, write the encoded text.
int ReadInt(const SettingsStore& store, SettingKey key, int defaultValue);
std::string ReadText(const SettingsStore& store, SettingKey key, const std::string& defaultValue);
void WriteInt(SettingsStore& store, SettingKey key, int value);
void WriteText(SettingsStore& store, SettingKey key, const std::string& value);

RgbColour ReadColour(const SettingsStore& store, SettingKey key, RgbColour defaultValue);
void WriteColour(SettingsStore& store, SettingKey key, RgbColour colour);
SettingsRect ReadRect(const SettingsStore& store, SettingKey key, const SettingsRect& defaultValue);
void WriteRect(SettingsStore& store, SettingKey key, const SettingsRect& rect);
SettingsPoint ReadPoint(const SettingsStore& store, SettingKey key, const SettingsPoint& defaultValue);
void WritePoint(SettingsStore& store, SettingKey key, const SettingsPoint& point);
WindowPlacement ReadPlacement(const SettingsStore& store, SettingKey key, const WindowPlacement& defaultValue);
void WritePlacement(SettingsStore& store, SettingKey key, const WindowPlacement& placement);

} // namespace kp
