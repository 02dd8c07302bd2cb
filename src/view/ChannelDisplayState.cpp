#include "view/ChannelDisplayState.h"

#include "platform/SettingsStore.h"
#include "view/TraceScaling.h"
#include "view/ViewRecord.h"
#include "view/ViewSettings.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>

namespace kp {

namespace {

constexpr std::array<RgbColour, 16> kPalette { {
    { 255, 0, 0 },
    { 0, 255, 0 },
    { 0, 0, 255 },
    { 0, 255, 255 },
    { 255, 0, 255 },
    { 255, 255, 0 },
    { 0, 0, 128 },
    { 0, 128, 0 },
    { 0, 128, 128 },
    { 128, 0, 0 },
    { 128, 0, 128 },
    { 128, 128, 0 },
    { 128, 128, 128 },
    { 192, 220, 192 },
    { 192, 192, 192 },
    { 166, 202, 240 },
} };

// Colours are stored as 32-bit colour values, red in the low byte; doubles
// as 8-byte IEEE values, least significant byte first.
void PutColours(std::vector<std::uint8_t>& out, const std::vector<RgbColour>& colours)
{
    out.clear();
    for (const RgbColour& c : colours) {
        out.push_back(c.red);
        out.push_back(c.green);
        out.push_back(c.blue);
        out.push_back(0);
    }
}

void PutDoubles(std::vector<std::uint8_t>& out, const std::vector<double>& values)
{
    out.clear();
    for (double v : values) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int b = 0; b < 8; ++b)
            out.push_back(static_cast<std::uint8_t>(bits >> (8 * b)));
    }
}

void GetColours(const std::vector<std::uint8_t>& in, std::vector<RgbColour>& colours)
{
    const std::size_t n = std::min(colours.size(), in.size() / 4);
    for (std::size_t i = 0; i < n; ++i)
        colours[i] = { in[4 * i], in[4 * i + 1], in[4 * i + 2] };
}

void GetDoubles(const std::vector<std::uint8_t>& in, std::vector<double>& values, bool isZoom)
{
    const std::size_t n = std::min(values.size(), in.size() / 8);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t bits = 0;
        for (int b = 0; b < 8; ++b)
            bits |= static_cast<std::uint64_t>(in[8 * i + static_cast<std::size_t>(b)]) << (8 * b);
        const double v = std::bit_cast<double>(bits);
        // A damaged value must not make a trace vanish or the paint overflow.
        if (std::isfinite(v))
            values[i] = isZoom ? ClampZoom(v) : v;
    }
}

void ReadColours(const SettingsStore& store, SettingKey key, std::vector<RgbColour>& colours)
{
    if (auto bytes = store.readBinary(std::string(key.section), std::string(key.key)))
        GetColours(*bytes, colours);
}

void ReadDoubles(const SettingsStore& store, SettingKey key, std::vector<double>& values, bool isZoom)
{
    if (auto bytes = store.readBinary(std::string(key.section), std::string(key.key)))
        GetDoubles(*bytes, values, isZoom);
}

void WriteBytes(SettingsStore& store, SettingKey key, const std::vector<std::uint8_t>& bytes)
{
    store.writeBinary(std::string(key.section), std::string(key.key), bytes);
}

} // namespace

ChannelClassState::ChannelClassState(int capacity)
    : shown(static_cast<std::size_t>(capacity), false)
    , colour(static_cast<std::size_t>(capacity))
    , zoom(static_cast<std::size_t>(capacity), 1.0)
    , position(static_cast<std::size_t>(capacity), 0.0)
{
}

RgbColour DefaultChannelColour(int channel)
{
    return kPalette[static_cast<std::size_t>(channel & 15)];
}

RgbColour DefaultLogicColour(int logicChannel)
{
    return kPalette[static_cast<std::size_t>((logicChannel / 4) & 15)];
}

ChannelDisplayState::ChannelDisplayState()
    : analog(kViewAnalogChannels)
    , calc(kViewCalcChannels)
    , pulse(kViewPulseChannels)
    , logic(kViewLogicChannels)
{
    for (int i = 0; i < analog.capacity(); ++i)
        analog.colour[static_cast<std::size_t>(i)] = DefaultChannelColour(i);
    for (int i = 0; i < calc.capacity(); ++i)
        calc.colour[static_cast<std::size_t>(i)] = DefaultChannelColour(i);
    for (int i = 0; i < pulse.capacity(); ++i)
        pulse.colour[static_cast<std::size_t>(i)] = DefaultChannelColour(i);
    for (int i = 0; i < logic.capacity(); ++i)
        logic.colour[static_cast<std::size_t>(i)] = DefaultLogicColour(i);
}

void ChannelDisplayState::ApplyHeader(
    ChannelClassState& state, int index, const HeaderDisplay& header, RgbColour fallbackColour, bool takeShown)
{
    if (index < 0 || index >= state.capacity())
        return;
    const auto i = static_cast<std::size_t>(index);
    if (takeShown)
        state.shown[i] = header.shown;
    state.colour[i] = header.colour.value_or(fallbackColour);
    state.zoom[i] = ClampZoom(std::min(header.zoom, 100.0));
    state.position[i] = std::isfinite(header.position) ? header.position : 0.0;
}

void ChannelDisplayState::ResetFromRecord(const ViewRecord& record)
{
    *this = ChannelDisplayState();
    for (const ValueChannel& c : record.analog)
        ApplyHeader(analog, c.index, c.header, DefaultChannelColour(c.index), true);
    for (const ValueChannel& c : record.calc)
        ApplyHeader(calc, c.index, c.header, DefaultChannelColour(c.index), true);
    for (const ValueChannel& c : record.pulse)
        ApplyHeader(pulse, c.index, c.header, DefaultChannelColour(c.index), true);
    for (const LogicChannel& c : record.logic) {
        if (c.index < 0 || c.index >= logic.capacity())
            continue;
        const auto i = static_cast<std::size_t>(c.index);
        logic.shown[i] = c.header.shown;
        logic.colour[i] = c.header.colour.value_or(DefaultLogicColour(c.index));
        // The height fraction is not a zoom: it is taken as the header gives it.
        logic.zoom[i] = c.header.zoom;
        logic.position[i] = c.header.position;
    }
}

namespace {

// The stored keys of one channel class; logic channels keep only colours.
struct ProfileKeys {
    SettingKey colour;
    std::optional<SettingKey> zoom, position;
};

} // namespace

void ChannelDisplayState::ReadProfile(const SettingsStore& store)
{
    using namespace settings;
    const auto read = [&](const ProfileKeys& keys, ChannelClassState& cls) {
        ReadColours(store, keys.colour, cls.colour);
        if (keys.zoom && keys.position) {
            ReadDoubles(store, *keys.zoom, cls.zoom, true);
            ReadDoubles(store, *keys.position, cls.position, false);
        }
    };
    read({ kAnalogWaveColor, kAnalogWaveZoom, kAnalogWavePosition }, analog);
    read({ kCalcWaveColor, kCalcWaveZoom, kCalcWavePosition }, calc);
    read({ kPulseWaveColor, kPulseWaveZoom, kPulseWavePosition }, pulse);
    read({ kLogicWaveColor, std::nullopt, std::nullopt }, logic);
}

void ChannelDisplayState::WriteProfile(SettingsStore& store) const
{
    using namespace settings;
    std::vector<std::uint8_t> bytes;
    const auto write = [&](const ProfileKeys& keys, const ChannelClassState& cls) {
        PutColours(bytes, cls.colour);
        WriteBytes(store, keys.colour, bytes);
        if (keys.zoom && keys.position) {
            PutDoubles(bytes, cls.zoom);
            WriteBytes(store, *keys.zoom, bytes);
            PutDoubles(bytes, cls.position);
            WriteBytes(store, *keys.position, bytes);
        }
    };
    write({ kAnalogWaveColor, kAnalogWaveZoom, kAnalogWavePosition }, analog);
    write({ kCalcWaveColor, kCalcWaveZoom, kCalcWavePosition }, calc);
    write({ kPulseWaveColor, kPulseWaveZoom, kPulseWavePosition }, pulse);
    write({ kLogicWaveColor, std::nullopt, std::nullopt }, logic);
}

} // namespace kp
