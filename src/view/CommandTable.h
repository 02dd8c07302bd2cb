#pragma once
// Every command of the viewer that has keys or a mouse gesture, with its menu
// text and its keys, in one table. The actions take their texts and keys from
// here, and the "Keyboard Shortcuts" window, the README and the manual page
// render the same table, so none of them can tell a different story.
//
// Keys are written in the portable form of the toolkit ("Ctrl+Shift+S");
// gestures of the waveform view, which are not menu commands, carry their
// description instead of a menu text.

#include <string>
#include <string_view>
#include <vector>

namespace kp {

enum class CommandId {
    Open,
    SaveAll,
    SaveBetweenCursors,
    Title,
    Remarks,
    Gauge,
    Capture,
    ZoomIn,
    ZoomOut,
    ReverseOrder,
    Fixed,
    AllOn,
    AllOff,
    AnalogChannels1To10,
    AnalogChannels11To20,
    AnalogChannels21To30,
    AnalogChannels31To32,
    LogicUnitsAToJ,
    LogicUnitsKToP,
    NextFile,
    PrevFile,
    FirstFile,
    LastFile,
    BatchConversion,
    BlockList,
    WaveControlPanel,
    MoreGaugeChannels,
    FewerGaugeChannels,
    KeyboardShortcuts,
    // Gestures of the waveform view.
    ScrollPage,
    ScrollStep,
    ScrollToEnds,
    ScrollWheel,
    ZoomWheel,
    PlaceCursorA,
    PlaceCursorB,
    MoveCursor,
};

struct CommandEntry {
    CommandId id;
    std::string_view menu; // "File", "View", ..., or "Waveform view" for a gesture
    std::string_view label; // the menu text with its "&" mnemonic, or the gesture's description
    std::vector<std::string> keys;
};

const std::vector<CommandEntry>& KpCommands();
const CommandEntry& Command(CommandId id);

// The key of channel toggle n (0-based, CH1 is 0): 1 ... 9, 0, then the same
// digits with Shift, Ctrl and Ctrl+Shift.
std::string AnalogChannelKey(int n);
// The key of logic unit g (0-based, LA is 0): Alt+1 ... Alt+0, then Alt+Shift+1 ...
std::string LogicUnitKey(int g);

// A menu text as the user reads it: without the "&" of the mnemonic.
std::string PlainLabel(std::string_view label);

// The table for people, one row per entry: where the command lives, what it
// does and its keys. As plain text with aligned columns, or as a Markdown
// table for the README and the help window.
std::string ShortcutsText();
std::string ShortcutsMarkdown();

} // namespace kp
