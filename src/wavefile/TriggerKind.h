#pragma once
// The trigger kind of a channel: the position of its trigger text in its
// family's kind table. The old header stores its own small numbering.

namespace kp {

enum class TriggerKind : int {
    Off = 0,
    Level = 1,
    WindowIn = 2,
    WindowOut = 3,
    VoltageDrop = 4,
    Rms = 5,
    Cycle = 6,
    Judge = 7, // "COMP" on the models that name it so
    Glitch = 8,
    Event = 9,
    PeriodIn = 10,
    PeriodOut = 11,
    Slope = 12,
    // The old header's numbering: 1 level, 2 and 3 window, 4 pattern.
    Pattern = 4,
};

} // namespace kp
