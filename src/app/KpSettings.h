#pragma once
// The application's settings record: every value is read once at start and
// written back at exit, whatever changed. Dialogs change the values in memory
// only, so a second instance started meanwhile reads the older values and the
// last instance to exit wins.

#include "app/WaveLook.h"
#include "export/ExportOptions.h"
#include "format/SettingsEncoding.h"

#include <string>

namespace kp {

class SettingsStore;

// The platform's window-text and window colours, which several colours take
// as their default. The core knows only the classic values; the GUI passes
// the desktop's own.
struct SystemColours {
    RgbColour windowText { 0, 0, 0 };
    RgbColour window { 255, 255, 255 };
};

// A pane's colour pair and font. A font is kept as the stored font description
// text; empty means the platform's default font.
struct PaneStyle {
    RgbColour text;
    RgbColour back;
    std::string font;
    bool operator==(const PaneStyle&) const = default;
};

struct KpSettings {
    // Section "Save": export options.
    int thinOut = 1;
    int saveTimeNotation = kNotationSeconds;
    std::string saveFolder;
    bool csvExecute = false;
    int saveFormat = kFormatCsv;
    int saveNewLine = 0; // 1 CR LF, 0 LF
    bool saveHeader = true;
    bool saveChInfo = true;
    bool saveChHeader = true;
    int saveChHeaderType = kHeaderChannelNumbers;
    bool saveTime = true;
    bool saveEventInfo = false;
    bool saveExtendSetting = false;
    bool saveSameDir = false;
    bool saveDivide = false;
    int saveDivideNum = 10000;
    bool saveJointFile = false;

    // Section "Main".
    int cmdShow = 1;
    std::string loadFolder;
    int loadFilterIndex = 0;
    int convFilterIndex = 0;
    bool hackMode = false;
    // The tool windows drawn translucent, at this density in percent.
    bool dlgLayered = false;
    int dlgLayeredBlend = 80;
    PaneStyle main;
    CustomColours customColours = WhiteCustomColours();

    // Section "Wave": the waveform view.
    WaveStyle waveStyle = WaveStyle::Line;
    int wavePenWidth = 1;
    GridType gridType = GridType::Standard;
    int waveTimeNotation = kNotationPoint;
    bool drawTrigMark = true;
    bool drawSaveMark = true;
    bool drawDiv = true;
    bool drawChannel = true;
    RgbColour waveCharColor;
    RgbColour waveBackColor;
    RgbColour waveGridColor;
    RgbColour waveLineColor { 0, 0, 255 };
    std::string waveFont;

    // The tool windows and panes.
    PaneStyle property;
    PaneStyle traceAll;
    PaneStyle blockFile;
    PaneStyle title;
    PaneStyle info;
    PaneStyle gage;
    RgbColour gageLineColor { 0, 0, 255 };

    // The companion application (section "Main").
    std::string stripApp;

    // The header switches of the export options.
    ExportHeaderOptions HeaderOptions() const;
    // The defaults of an empty store, with the given system colours.
    static KpSettings Defaults(const SystemColours& system = {});
    static CustomColours WhiteCustomColours();

    bool operator==(const KpSettings&) const = default;
};

// Reads every value in a fixed order (export options, main, view, colours,
// custom colours, fonts, companion path); a missing or unreadable value keeps
// its default.
KpSettings LoadSettings(const SettingsStore& store, const SystemColours& system = {});

// Writes every value back in the same order.
void SaveSettings(const KpSettings& settings, SettingsStore& store);

// Writes the two values a run without windows decides, the format and the
// newline of its conversion. Such a run never learns the desktop's colours,
// so writing its whole record would store the classic defaults as if the
// user had chosen them; every other key stays as it is stored.
void SaveConversionChoices(const KpSettings& settings, SettingsStore& store);

} // namespace kp
