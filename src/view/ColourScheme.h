#pragma once
// The two colour schemes: the ten colours that every pane shares, replaced at
// once. A scheme is read from section "Scheme" (keys ending in the scheme's
// number), with the black- or white-background colours where a key is
// missing or unreadable; nothing writes that section.

#include "app/KpSettings.h"

#include <array>

namespace kp {

class SettingsStore;

enum class SchemeId { BlackBackground = 1, WhiteBackground = 2 };

// In the order in which a scheme assigns them.
struct SchemeColours {
    RgbColour waveText, waveBack, waveGrid;
    RgbColour titleText, titleBack;
    RgbColour gaugeText, gaugeBack, gaugeLine;
    RgbColour remarkText, remarkBack;
    bool operator==(const SchemeColours&) const = default;
};

SchemeColours BuiltInScheme(SchemeId id);
SchemeColours ReadScheme(const SettingsStore& store, SchemeId id);
// Makes the scheme's colours the current ones of the settings record.
void ApplyScheme(KpSettings& settings, const SchemeColours& scheme);

} // namespace kp
