#include "view/CommandTable.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace kp {

namespace {

std::string Digit(int n)
{
    return std::to_string((n + 1) % 10);
}

std::vector<std::string> KeyRange(std::string (*key)(int), int first, int count)
{
    std::vector<std::string> keys;
    for (int i = first; i < first + count; ++i)
        keys.push_back(key(i));
    return keys;
}

std::vector<CommandEntry> Build()
{
    return {
        { CommandId::Open, "File", "&Open...", { "Ctrl+O" } },
        { CommandId::SaveAll, "File", "&Save All...", { "Ctrl+S" } },
        { CommandId::SaveBetweenCursors, "File", "Save Between &Cursors...", { "Ctrl+Shift+S" } },
        { CommandId::NextFile, "File", "Next", { "Ctrl+J", "Space", "Alt+Right" } },
        { CommandId::PrevFile, "File", "Prev", { "Ctrl+K", "Shift+Space", "Alt+Left" } },
        { CommandId::FirstFile, "File", "Begin", { "Ctrl+Shift+K", "Ctrl+Shift+Space", "Alt+Up" } },
        { CommandId::LastFile, "File", "End", { "Ctrl+Shift+J", "Ctrl+Space", "Alt+Down" } },
        { CommandId::BatchConversion, "File", "&Batch Conversion...", { "Ctrl+B" } },
        { CommandId::Title, "View", "Tit&le", { "Ctrl+T" } },
        { CommandId::Remarks, "View", "Remar&ks", { "Ctrl+R" } },
        { CommandId::Gauge, "View", "&Gauge", { "Ctrl+G" } },
        { CommandId::Capture, "View", "Cap&ture", { "Ctrl+H" } },
        { CommandId::BlockList, "View", "Block Li&st", { "Ctrl+L" } },
        { CommandId::WaveControlPanel, "View", "&Wave Control Panel", { "Ctrl+C" } },
        { CommandId::MoreGaugeChannels, "Gauge", "Gage Num +", { "Alt+G" } },
        { CommandId::FewerGaugeChannels, "Gauge", "Gage Num -", { "Alt+Shift+G" } },
        { CommandId::ZoomIn, "Wave", "Zoom &In", { "Ctrl+E" } },
        { CommandId::ZoomOut, "Wave", "Zoom &Out", { "Ctrl+D" } },
        { CommandId::ReverseOrder, "Wave", "&Reverse Order of Waveform Drawing", { "Ctrl+Shift+W" } },
        { CommandId::Fixed, "Wave", "Fi&xed", { "Ctrl+F" } },
        { CommandId::AllOn, "Channel", "All On", { "Ctrl+A" } },
        { CommandId::AllOff, "Channel", "All Off", { "Ctrl+Shift+A" } },
        { CommandId::AnalogChannels1To10, "Channel > Analog", "CH1 ... CH10", KeyRange(AnalogChannelKey, 0, 10) },
        { CommandId::AnalogChannels11To20, "Channel > Analog", "CH11 ... CH20", KeyRange(AnalogChannelKey, 10, 10) },
        { CommandId::AnalogChannels21To30, "Channel > Analog", "CH21 ... CH30", KeyRange(AnalogChannelKey, 20, 10) },
        { CommandId::AnalogChannels31To32, "Channel > Analog", "CH31, CH32", KeyRange(AnalogChannelKey, 30, 2) },
        { CommandId::LogicUnitsAToJ, "Channel > Logic Unit", "LA ... LJ", KeyRange(LogicUnitKey, 0, 10) },
        { CommandId::LogicUnitsKToP, "Channel > Logic Unit", "LK ... LP", KeyRange(LogicUnitKey, 10, 6) },
        { CommandId::KeyboardShortcuts, "Help", "&Keyboard Shortcuts", { "F1" } },
        { CommandId::ScrollPage, "Waveform view", "Scroll by one screen", { "PgUp", "PgDown" } },
        { CommandId::ScrollStep, "Waveform view", "Scroll by one step", { "Left", "Right" } },
        { CommandId::ScrollToEnds, "Waveform view", "Scroll to the start or the end", { "Home", "End" } },
        { CommandId::ScrollWheel, "Waveform view", "Scroll", { "Wheel" } },
        { CommandId::ZoomWheel, "Waveform view", "Zoom in or out", { "Ctrl+Wheel" } },
        { CommandId::PlaceCursorA, "Waveform view", "Place cursor A", { "Shift+Click" } },
        { CommandId::PlaceCursorB, "Waveform view", "Place cursor B", { "Ctrl+Click" } },
        { CommandId::MoveCursor, "Waveform view", "Move a cursor", { "Drag its mark" } },
    };
}

// Digit keys of one modifier bank: "Alt+1", "Alt+2", ...
bool IsDigitBank(const std::vector<std::string>& keys)
{
    if (keys.size() < 3)
        return false;
    const std::string_view first = keys.front();
    return std::all_of(keys.begin(), keys.end(), [first](const std::string& key) {
        return key.size() == first.size() && std::isdigit(static_cast<unsigned char>(key.back()))
            && std::string_view(key).substr(0, key.size() - 1) == first.substr(0, first.size() - 1);
    });
}

// A bank of digit keys reads as its ends: "Alt+Shift+1 ... Alt+Shift+6", and
// a full bank, whose 0 follows its 9, as "1 ... 9, 0". Any other list names
// every key, so that no key of a command goes unmentioned.
std::string KeysText(const std::vector<std::string>& keys)
{
    if (IsDigitBank(keys) && keys.size() == 10)
        return keys.front() + " ... " + keys[8] + ", " + keys.back();
    if (IsDigitBank(keys))
        return keys.front() + " ... " + keys.back();
    std::string text;
    for (const std::string& key : keys)
        text += (text.empty() ? "" : ", ") + key;
    return text;
}

struct Row {
    std::string menu, command, keys;
};

std::vector<Row> Rows()
{
    std::vector<Row> rows;
    for (const CommandEntry& e : KpCommands())
        rows.push_back({ std::string(e.menu), PlainLabel(e.label), KeysText(e.keys) });
    return rows;
}

} // namespace

const std::vector<CommandEntry>& KpCommands()
{
    static const std::vector<CommandEntry> table = Build();
    return table;
}

const CommandEntry& Command(CommandId id)
{
    const auto& table = KpCommands();
    const auto it = std::find_if(table.begin(), table.end(), [id](const CommandEntry& e) { return e.id == id; });
    if (it == table.end())
        throw std::logic_error("a command without an entry in the command table");
    return *it;
}

std::string AnalogChannelKey(int n)
{
    static constexpr const char* kBanks[] = { "", "Shift+", "Ctrl+", "Ctrl+Shift+" };
    return kBanks[std::clamp(n / 10, 0, 3)] + Digit(n % 10);
}

std::string LogicUnitKey(int g)
{
    return (g < 10 ? "Alt+" : "Alt+Shift+") + Digit(g % 10);
}

std::string PlainLabel(std::string_view label)
{
    std::string plain;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&' && i + 1 < label.size())
            ++i;
        plain += label[i];
    }
    return plain;
}

std::string ShortcutsText()
{
    const std::vector<Row> rows = Rows();
    std::size_t menuWidth = 4, commandWidth = 7;
    for (const Row& r : rows) {
        menuWidth = std::max(menuWidth, r.menu.size());
        commandWidth = std::max(commandWidth, r.command.size());
    }
    auto line = [&](const std::string& menu, const std::string& command, const std::string& keys) {
        return menu + std::string(menuWidth - menu.size() + 2, ' ') + command
            + std::string(commandWidth - command.size() + 2, ' ') + keys + "\n";
    };
    std::string text = line("Menu", "Command", "Keys");
    for (const Row& r : rows)
        text += line(r.menu, r.command, r.keys);
    return text;
}

std::string ShortcutsMarkdown()
{
    std::string text = "| menu | command | keys |\n|---|---|---|\n";
    for (const Row& r : Rows())
        text += "| " + r.menu + " | " + r.command + " | " + r.keys + " |\n";
    return text;
}

} // namespace kp
