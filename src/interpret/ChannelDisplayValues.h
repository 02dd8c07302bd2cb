#pragma once
// How the instrument showed a channel when the record was made: shown or not,
// trace colour, vertical magnification and position. The view starts every
// load from these (unless the user keeps fixed per-channel values).
//
// The header layouts name these settings (the properties window lists
// "Position", "Expand" and "Graph" rows) but not their fields; Kp and its
// recording writer keep them in the channel's text record ("HC"; "HZ", "HR",
// "HV" for calculation channels; "HJ" for pulse channels; "HL" for a logic
// unit, whose values hold for its four probes) at the fields below. Family 4
// has no such records: its channels show with the defaults.

#include "format/SettingsEncoding.h"

#include <optional>
#include <string_view>

namespace kp {

class CWaveHeadInfo;

namespace displayfield {
// Zero line position in percent of the wave area's height from its bottom
// ("50%" or "50": the centre line); a trailing "%" is optional.
inline constexpr int kPosition = 5;
// Trace colour as three decimal numbers 0-255, red green blue ("255 0 0").
inline constexpr int kColour = 27;
// Vertical magnification: a factor ("2", "x2", "0.5") or a fraction ("1/2",
// "x1/5").
inline constexpr int kExpand = 31;
// "OFF" (any case): the channel was not shown; anything else: shown.
inline constexpr int kGraph = 36;
} // namespace displayfield

enum class DisplayChannelClass { Analog, Calc, Pulse, LogicUnit };

struct ChannelDisplayValues {
    bool shown = true;
    std::optional<RgbColour> colour; // none: the view's default palette
    double zoom = 1.0; // within 0.01 .. 100
    std::optional<double> position; // half wave-area heights above the centre line; none: not given
};

// Never fails: without a record, or for a field that is empty or does not
// read as its kind, the default of that value.
ChannelDisplayValues ReadChannelDisplayValues(const CWaveHeadInfo& head, DisplayChannelClass kind, int index);

// The parsers behind it, for the texts as stored.
std::optional<double> ParsePositionPercent(std::string_view text);
std::optional<RgbColour> ParseHeaderColour(std::string_view text);
std::optional<double> ParseExpand(std::string_view text);

} // namespace kp
