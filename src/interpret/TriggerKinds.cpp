// The trigger kind of a channel: its stored trigger text looked up, without
// regard to case, in the kind table of its family.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "interpret/HeaderBlockLayout.h"
#include "interpret/HeaderFields.h"
#include "interpret/TriggerFields.h"
#include "wavefile/CWaveHeadInfo.h"

namespace kp {

namespace {

constexpr std::array<std::string_view, 10> kClassicKinds {
    "OFF",
    "LEVEL",
    "IN",
    "OUT",
    "V-Drop",
    "RMS",
    "CYCLE",
    "JUDGE",
    "GLITCH",
    "EVENT",
};
constexpr std::array<std::string_view, 13> kFamily5Kinds {
    "OFF",
    "LEVEL",
    "WINDOW IN",
    "WINDOW OUT",
    "V-Drop",
    "RMS",
    "CYCLE",
    "JUDGE",
    "GLITCH",
    "EVENT",
    "PERIOD IN",
    "PERIOD OUT",
    "SLOPE",
};
constexpr std::array<std::string_view, 13> kFamily6Kinds {
    "OFF",
    "LEVEL",
    "IN",
    "OUT",
    "V-Drop",
    "RMS",
    "CYCLE",
    "JUDGE",
    "GLITCH",
    "EVENT",
    "PERIOD-IN",
    "PERIOD-OUT",
    "SLOPE",
};
// Kinds 5 and 6 do not exist on this model; their empty entries make an
// absent trigger text read as kind 5.
constexpr std::array<std::string_view, 8> kFamily7Kinds { "OFF", "LEVEL", "IN", "OUT", "V-DROP", "", "", "COMP" };
constexpr std::array<std::string_view, 4> kFamily8Kinds { "OFF", "LEVEL", "IN", "OUT" };

std::span<const std::string_view> KindTable(HeaderFamily family)
{
    switch (family) {
    case HeaderFamily::Family0:
    case HeaderFamily::Family1:
    case HeaderFamily::Family2:
    case HeaderFamily::Family3:
        return kClassicKinds;
    case HeaderFamily::Family5:
        return kFamily5Kinds;
    case HeaderFamily::Family6:
        return kFamily6Kinds;
    case HeaderFamily::Family7:
        return kFamily7Kinds;
    case HeaderFamily::Family8:
        return kFamily8Kinds;
    default:
        return {};
    }
}

} // namespace

TriggerKind CWaveHeadInfo::GetTriggerKind(int ch) const
{
    const HeaderFamily family = GetHeaderFamily();
    if (family == HeaderFamily::Family4) {
        if (ch < 0 || ch >= trigger::kFamily4TriggerChannels)
            return TriggerKind::Off;
        return static_cast<TriggerKind>(
            layout::ByteAt(layout::Family4ChannelBlock(*this, ch), layout::family4::kTriggerKind));
    }
    const std::string text = fields::Text(ChannelHeader(ch), trigger::kKindField);
    const auto table = KindTable(family);
    for (std::size_t i = 0; i < table.size(); ++i)
        if (fields::EqualsNoCase(text, table[i]))
            return static_cast<TriggerKind>(i);
    return TriggerKind::Off;
}

} // namespace kp
