#include "interpret/ChannelDisplayValues.h"

#include "format/TextTrim.h"
#include "interpret/HeaderFields.h"
#include "platform/DecimalParse.h"
#include "wavefile/CWaveHeadInfo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace kp {

namespace {

// A whole decimal number and nothing else; nothing when the text is not one.
std::optional<double> WholeNumber(std::string_view text)
{
    text = TrimmedView(text);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = ParseDecimal(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

const HeaderRecord* RecordOf(const CWaveHeadInfo& head, DisplayChannelClass kind, int index)
{
    switch (kind) {
    case DisplayChannelClass::Analog:
        return head.ChannelHeader(index);
    case DisplayChannelClass::Calc:
        return head.FloatHeader(index);
    case DisplayChannelClass::Pulse:
        return head.PulseHeader(index);
    case DisplayChannelClass::LogicUnit:
        return head.LogicHeader(index);
    }
    return nullptr;
}

} // namespace

std::optional<double> ParsePositionPercent(std::string_view text)
{
    text = TrimmedView(text);
    if (text.ends_with('%'))
        text.remove_suffix(1);
    const auto percent = WholeNumber(text);
    if (!percent)
        return std::nullopt;
    return (*percent - 50.0) / 50.0;
}

std::optional<RgbColour> ParseHeaderColour(std::string_view text)
{
    int v[3];
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (int& part : v) {
        while (p < end && *p == ' ')
            ++p;
        const auto [next, ec] = std::from_chars(p, end, part);
        if (ec != std::errc() || part < 0 || part > 255)
            return std::nullopt;
        p = next;
    }
    while (p < end && *p == ' ')
        ++p;
    if (p != end)
        return std::nullopt;
    return RgbColour { static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
        static_cast<std::uint8_t>(v[2]) };
}

std::optional<double> ParseExpand(std::string_view text)
{
    text = TrimmedView(text);
    if (!text.empty() && (text.front() == 'x' || text.front() == 'X'))
        text.remove_prefix(1);
    std::optional<double> value;
    if (const auto slash = text.find('/'); slash != std::string_view::npos) {
        const auto numerator = WholeNumber(text.substr(0, slash));
        const auto denominator = WholeNumber(text.substr(slash + 1));
        if (numerator && denominator && *denominator != 0)
            value = *numerator / *denominator;
    } else {
        value = WholeNumber(text);
    }
    // A magnification is a positive factor; 0 or a negative one says nothing.
    if (!value || !(*value > 0))
        return std::nullopt;
    return std::clamp(*value, 0.01, 100.0);
}

ChannelDisplayValues ReadChannelDisplayValues(const CWaveHeadInfo& head, DisplayChannelClass kind, int index)
{
    ChannelDisplayValues v;
    const HeaderRecord* record = RecordOf(head, kind, index);
    if (record == nullptr)
        return v;
    v.shown = !fields::EqualsNoCase(TrimmedView(fields::Text(record, displayfield::kGraph)), "OFF");
    v.colour = ParseHeaderColour(fields::Text(record, displayfield::kColour));
    v.zoom = ParseExpand(fields::Text(record, displayfield::kExpand)).value_or(1.0);
    v.position = ParsePositionPercent(fields::Text(record, displayfield::kPosition));
    return v;
}

} // namespace kp
