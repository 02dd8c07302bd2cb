#include "app/KpSettings.h"

#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace kp {

namespace {

using namespace settings;

constexpr SettingKey PaneKey(std::string_view section, std::string_view key)
{
    return { section, key };
}

// The one list of every value and its key. Loading and saving both walk it,
// so the two can never disagree on a key or on the order.
template <class Visitor> void VisitSettings(KpSettings& s, Visitor& v)
{
    v.integer(kThinOut, s.thinOut);
    v.integer(kSaveTimeNotation, s.saveTimeNotation);
    v.text(kSaveFolder, s.saveFolder);
    v.flag(kCsvExecute, s.csvExecute);
    v.integer(kSaveFormat, s.saveFormat);
    v.integer(kSaveNewLine, s.saveNewLine);
    v.flag(kSaveHeader, s.saveHeader);
    v.flag(kSaveChInfo, s.saveChInfo);
    v.flag(kSaveChHeader, s.saveChHeader);
    v.integer(kSaveChHeaderType, s.saveChHeaderType);
    v.flag(kSaveTime, s.saveTime);
    v.flag(kSaveEventInfo, s.saveEventInfo);
    v.flag(kSaveExtendSetting, s.saveExtendSetting);
    v.flag(kSaveSameDir, s.saveSameDir);
    v.flag(kSaveDivide, s.saveDivide);
    v.integer(kSaveDivideNum, s.saveDivideNum);
    v.flag(kSaveJointFile, s.saveJointFile);

    v.integer(kCmdShow, s.cmdShow);
    v.text(kLoadFolder, s.loadFolder);
    v.integer(kLoadFilterIndex, s.loadFilterIndex);
    v.integer(kConvFilterIndex, s.convFilterIndex);
    v.flag(kHackMode, s.hackMode);
    v.flag(kDlgLayered, s.dlgLayered);
    v.integer(kDlgLayeredBlend, s.dlgLayeredBlend);

    int waveStyle = static_cast<int>(s.waveStyle);
    v.integer(kWaveStyle, waveStyle);
    s.waveStyle = WaveStyleFromStored(waveStyle);
    v.integer(kWavePenWidth, s.wavePenWidth);
    int gridType = static_cast<int>(s.gridType);
    v.integer(kGridType, gridType);
    s.gridType = GridTypeFromStored(gridType);
    v.integer(kWaveTimeNotation, s.waveTimeNotation);
    v.flag(kDrawTrigMark, s.drawTrigMark);
    v.flag(kDrawSaveMark, s.drawSaveMark);
    v.flag(kDrawDiv, s.drawDiv);
    v.flag(kDrawChannel, s.drawChannel);

    v.colour(kMainTextColor, s.main.text);
    v.colour(kMainBackColor, s.main.back);
    v.colour(kWaveCharColor, s.waveCharColor);
    v.colour(kWaveBackColor, s.waveBackColor);
    v.colour(kWaveGridColor, s.waveGridColor);
    v.colour(kWaveLineColor, s.waveLineColor);
    const std::pair<std::string_view, PaneStyle*> panes[] = {
        { kProperty, &s.property },
        { kTraceAll, &s.traceAll },
        { kBlockFile, &s.blockFile },
        { kTitle, &s.title },
        { kInfo, &s.info },
        { kGage, &s.gage },
    };
    for (auto& [section, pane] : panes) {
        v.colour(PaneKey(section, kTextColor), pane->text);
        v.colour(PaneKey(section, kBackColor), pane->back);
    }
    v.colour(kGageLineColor, s.gageLineColor);

    v.customColours(kCustomColor, s.customColours);

    v.text(kMainLogFont, s.main.font);
    v.text(kWaveLogFont, s.waveFont);
    for (auto& [section, pane] : panes)
        v.text(PaneKey(section, kLogFont), pane->font);

    v.text(kStripApp, s.stripApp);
}

struct Reader {
    const SettingsStore& store;
    void integer(SettingKey key, int& value) { value = ReadInt(store, key, value); }
    void flag(SettingKey key, bool& value) { value = ReadInt(store, key, value ? 1 : 0) != 0; }
    void text(SettingKey key, std::string& value) { value = ReadText(store, key, value); }
    void colour(SettingKey key, RgbColour& value) { value = ReadColour(store, key, value); }
    void customColours(SettingKey key, CustomColours& value)
    {
        if (auto bytes = store.readBinary(std::string(key.section), std::string(key.key)))
            value = DecodeCustomColours(*bytes).value_or(value);
    }
};

struct Writer {
    SettingsStore& store;
    void integer(SettingKey key, int& value) { WriteInt(store, key, value); }
    void flag(SettingKey key, bool& value) { WriteInt(store, key, value ? 1 : 0); }
    void text(SettingKey key, std::string& value) { WriteText(store, key, value); }
    void colour(SettingKey key, RgbColour& value) { WriteColour(store, key, value); }
    void customColours(SettingKey key, CustomColours& value)
    {
        store.writeBinary(std::string(key.section), std::string(key.key), EncodeCustomColours(value));
    }
};

} // namespace

CustomColours KpSettings::WhiteCustomColours()
{
    CustomColours colours;
    colours.fill(RgbColour { 255, 255, 255 });
    return colours;
}

KpSettings KpSettings::Defaults(const SystemColours& system)
{
    KpSettings s;
    for (PaneStyle* pane : { &s.main, &s.property, &s.traceAll, &s.blockFile, &s.title, &s.info, &s.gage }) {
        pane->text = system.windowText;
        pane->back = system.window;
    }
    s.waveCharColor = system.windowText;
    s.waveBackColor = system.window;
    s.waveGridColor = system.windowText;
    return s;
}

ExportHeaderOptions KpSettings::HeaderOptions() const
{
    return { saveHeader, saveChInfo, saveChHeader, saveEventInfo, saveTime };
}

KpSettings LoadSettings(const SettingsStore& store, const SystemColours& system)
{
    KpSettings s = KpSettings::Defaults(system);
    Reader reader { store };
    VisitSettings(s, reader);
    return s;
}

void SaveSettings(const KpSettings& settings, SettingsStore& store)
{
    KpSettings copy = settings;
    Writer writer { store };
    VisitSettings(copy, writer);
}

void SaveConversionChoices(const KpSettings& settings, SettingsStore& store)
{
    WriteInt(store, kSaveFormat, settings.saveFormat);
    WriteInt(store, kSaveNewLine, settings.saveNewLine);
}

} // namespace kp
