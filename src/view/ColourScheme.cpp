#include "view/ColourScheme.h"

#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <string>

namespace kp {

namespace {

constexpr std::string_view kSchemeSection = "Scheme";

// Key names with "%d" standing for the scheme number, in assignment order.
constexpr std::array<const char*, 10> kKeys { "WaveTextColor", "WaveBackColor", "WaveGridColor", "TitleTextColor",
    "TitleBackColor", "GageTextColor", "GageBackColor", "GageLINEColor", "RemarkTextColor", "RemarkBackColor" };

std::array<RgbColour*, 10> Members(SchemeColours& s)
{
    return { &s.waveText, &s.waveBack, &s.waveGrid, &s.titleText, &s.titleBack, &s.gaugeText, &s.gaugeBack,
        &s.gaugeLine, &s.remarkText, &s.remarkBack };
}

} // namespace

SchemeColours BuiltInScheme(SchemeId id)
{
    constexpr RgbColour black { 0, 0, 0 }, white { 255, 255, 255 }, yellow { 255, 255, 0 }, silver { 192, 192, 192 };
    if (id == SchemeId::BlackBackground)
        return { yellow, black, silver, yellow, black, yellow, black, yellow, yellow, black };
    return { black, white, black, black, white, black, white, black, black, white };
}

SchemeColours ReadScheme(const SettingsStore& store, SchemeId id)
{
    SchemeColours s = BuiltInScheme(id);
    const auto members = Members(s);
    const std::string number = std::to_string(static_cast<int>(id));
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const std::string key = std::string(kKeys[i]) + number;
        *members[i] = ReadColour(store, SettingKey { kSchemeSection, key }, *members[i]);
    }
    return s;
}

void ApplyScheme(KpSettings& settings, const SchemeColours& scheme)
{
    settings.waveCharColor = scheme.waveText;
    settings.waveBackColor = scheme.waveBack;
    settings.waveGridColor = scheme.waveGrid;
    settings.title.text = scheme.titleText;
    settings.title.back = scheme.titleBack;
    settings.gage.text = scheme.gaugeText;
    settings.gage.back = scheme.gaugeBack;
    settings.gageLineColor = scheme.gaugeLine;
    settings.info.text = scheme.remarkText;
    settings.info.back = scheme.remarkBack;
}

} // namespace kp
