#include <gtest/gtest.h>

#include "app/KpSettings.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <set>

namespace kp {
namespace {

TEST(KpSettings, AnEmptyStoreGivesTheDefaults)
{
    MemorySettingsStore store;
    const KpSettings s = LoadSettings(store);
    EXPECT_EQ(s.saveFormat, kFormatCsv);
    EXPECT_EQ(s.saveNewLine, 0);
    EXPECT_EQ(s.HeaderOptions(), (ExportHeaderOptions { true, true, true, false, true }));
    EXPECT_EQ(s.thinOut, 1);
    EXPECT_EQ(s.saveDivideNum, 10000);
    EXPECT_EQ(s.saveChHeaderType, 0);
    EXPECT_FALSE(s.saveDivide);
    EXPECT_TRUE(s.saveFolder.empty());
    EXPECT_EQ(s.cmdShow, 1);
    EXPECT_FALSE(s.hackMode);
    EXPECT_EQ(s.wavePenWidth, 1);
    EXPECT_EQ(s.gridType, GridType::Standard);
    EXPECT_EQ(s.waveTimeNotation, 3);
    EXPECT_TRUE(s.drawTrigMark && s.drawSaveMark && s.drawDiv && s.drawChannel);
    EXPECT_EQ(s.main.text, (RgbColour { 0, 0, 0 }));
    EXPECT_EQ(s.main.back, (RgbColour { 255, 255, 255 }));
    EXPECT_EQ(s.waveGridColor, (RgbColour { 0, 0, 0 }));
    EXPECT_EQ(s.waveLineColor, (RgbColour { 0, 0, 255 }));
    EXPECT_EQ(s.gageLineColor, (RgbColour { 0, 0, 255 }));
    for (const RgbColour& c : s.customColours)
        EXPECT_EQ(c, (RgbColour { 255, 255, 255 }));
    EXPECT_TRUE(s.waveFont.empty() && s.main.font.empty() && s.gage.font.empty());
    EXPECT_TRUE(s.stripApp.empty());
}

TEST(KpSettings, SystemColoursAreTheDefaultsOfTextAndBackground)
{
    MemorySettingsStore store;
    const SystemColours dark { { 230, 230, 230 }, { 20, 20, 20 } };
    const KpSettings s = LoadSettings(store, dark);
    for (const PaneStyle* pane : { &s.main, &s.property, &s.traceAll, &s.blockFile, &s.title, &s.info, &s.gage }) {
        EXPECT_EQ(pane->text, dark.windowText);
        EXPECT_EQ(pane->back, dark.window);
    }
    EXPECT_EQ(s.waveCharColor, dark.windowText);
    EXPECT_EQ(s.waveBackColor, dark.window);
    EXPECT_EQ(s.waveGridColor, dark.windowText);
    EXPECT_EQ(s.waveLineColor, (RgbColour { 0, 0, 255 }));
}

KpSettings EveryValueChanged()
{
    KpSettings s;
    s.thinOut = 7;
    s.saveTimeNotation = 2;
    s.saveFolder = "/home/me/out, with comma";
    s.csvExecute = true;
    s.saveFormat = 2;
    s.saveNewLine = 1;
    s.saveHeader = false;
    s.saveChInfo = false;
    s.saveChHeader = false;
    s.saveChHeaderType = 1;
    s.saveTime = false;
    s.saveEventInfo = true;
    s.saveExtendSetting = true;
    s.saveSameDir = true;
    s.saveDivide = true;
    s.saveDivideNum = 2500;
    s.saveJointFile = true;
    s.cmdShow = 3;
    s.loadFolder = "/data/records";
    s.loadFilterIndex = 4;
    s.convFilterIndex = 5;
    s.hackMode = true;
    s.dlgLayered = true;
    s.dlgLayeredBlend = 35;
    s.main = { { 1, 2, 3 }, { 4, 5, 6 }, "Sans,10" };
    for (std::size_t i = 0; i < s.customColours.size(); ++i)
        s.customColours[i] = { static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(2 * i), 7 };
    s.waveStyle = WaveStyle::Dots;
    s.wavePenWidth = 3;
    s.gridType = GridType::Fine;
    s.waveTimeNotation = 0;
    s.drawTrigMark = false;
    s.drawSaveMark = false;
    s.drawDiv = false;
    s.drawChannel = false;
    s.waveCharColor = { 10, 11, 12 };
    s.waveBackColor = { 13, 14, 15 };
    s.waveGridColor = { 16, 17, 18 };
    s.waveLineColor = { 19, 20, 21 };
    s.waveFont = "Mono,9";
    s.property = { { 30, 31, 32 }, { 33, 34, 35 }, "P" };
    s.traceAll = { { 40, 41, 42 }, { 43, 44, 45 }, "T" };
    s.blockFile = { { 50, 51, 52 }, { 53, 54, 55 }, "B" };
    s.title = { { 60, 61, 62 }, { 63, 64, 65 }, "Ti" };
    s.info = { { 70, 71, 72 }, { 73, 74, 75 }, "I" };
    s.gage = { { 80, 81, 82 }, { 83, 84, 85 }, "G" };
    s.gageLineColor = { 86, 87, 88 };
    s.stripApp = "/opt/strip/StripApp";
    return s;
}

TEST(KpSettings, EveryValueSurvivesARoundTrip)
{
    const KpSettings written = EveryValueChanged();
    MemorySettingsStore store;
    SaveSettings(written, store);
    EXPECT_EQ(LoadSettings(store), written);
}

TEST(KpSettings, WritesEveryKeyUnderItsName)
{
    MemorySettingsStore store;
    SaveSettings(KpSettings::Defaults(), store);
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        { "Save",
            { "ThinOut", "SaveTimeNotation", "SaveFolder", "CsvExecute", "SaveFormat", "SaveNewLine", "SaveHeader",
                "SaveChInfo", "SaveChHeader", "SaveChHeaderType", "SaveTime", "SaveEventInfo", "SaveExtendSetting",
                "SaveSameDir", "SaveDivide", "SaveDivideNum", "SaveJointFile" } },
        { "Main",
            { "CmdShow", "LoadFolder", "LoadFilterIndex", "ConvFilterIndex", "HackMode", "DlgLayered",
                "DlgLayeredBlend", "StripApp", "TextColor", "BackColor", "CustomColor", "LogFont" } },
        { "Wave",
            { "WaveStyle", "WavePenWidth", "GridType", "WaveTimeNotation", "DrawTrigMark", "DrawSaveMark", "DrawDiv",
                "DrawChannel", "CharColor", "BackColor", "GridColor", "LineColor", "LogFont" } },
        { "Property", { "TextColor", "BackColor", "LogFont" } },
        { "TraceAll", { "TextColor", "BackColor", "LogFont" } },
        { "BlockFile", { "TextColor", "BackColor", "LogFont" } },
        { "Title", { "TextColor", "BackColor", "LogFont" } },
        { "Info", { "TextColor", "BackColor", "LogFont" } },
        { "Gage", { "TextColor", "BackColor", "LogFont", "LineColor" } },
    };
    std::size_t count = 0;
    for (const auto& [section, keys] : expected) {
        for (const std::string& key : keys) {
            EXPECT_TRUE(store.contains(section, key)) << section << "/" << key;
            ++count;
        }
    }
    EXPECT_EQ(store.size(), count);
    EXPECT_EQ(store.readText("Main", "TextColor", ""), "0 0 0");
    EXPECT_EQ(store.readText("Wave", "LineColor", ""), "0 0 255");
}

TEST(KpSettings, AConversionWithoutWindowsWritesOnlyItsFormatAndNewline)
{
    MemorySettingsStore store;
    store.writeText("Main", "TextColor", "200 200 200");
    KpSettings s = LoadSettings(store);
    s.saveFormat = kFormatTab;
    s.saveNewLine = 1;
    SaveConversionChoices(s, store);
    EXPECT_EQ(store.size(), 3u);
    EXPECT_EQ(store.readText("Main", "TextColor", ""), "200 200 200");
    EXPECT_EQ(LoadSettings(store).saveFormat, kFormatTab);
    EXPECT_EQ(LoadSettings(store).saveNewLine, 1);
}

// Records the order of the keys read and written.
class OrderStore final : public SettingsStore {
public:
    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;
    int readInt(const std::string& s, const std::string& k, int d) const override { return log(s, k), d; }
    std::string readText(const std::string& s, const std::string& k, const std::string& d) const override
    {
        return log(s, k), d;
    }
    std::optional<std::vector<std::uint8_t>> readBinary(const std::string& s, const std::string& k) const override
    {
        return log(s, k), std::nullopt;
    }
    void writeInt(const std::string& s, const std::string& k, int) override { writes.push_back(s + "/" + k); }
    void writeText(const std::string& s, const std::string& k, const std::string&) override
    {
        writes.push_back(s + "/" + k);
    }
    void writeBinary(const std::string& s, const std::string& k, const std::vector<std::uint8_t>&) override
    {
        writes.push_back(s + "/" + k);
    }

private:
    void log(const std::string& s, const std::string& k) const { reads.push_back(s + "/" + k); }
};

TEST(KpSettings, ReadsAndWritesInTheSameOrder)
{
    OrderStore store;
    SaveSettings(LoadSettings(store), store);
    EXPECT_EQ(store.reads, store.writes);
    ASSERT_FALSE(store.reads.empty());
    EXPECT_EQ(store.reads.front(), "Save/ThinOut");
    EXPECT_EQ(store.reads.back(), "Main/StripApp");
    // Colours come before the custom colours, and those before the fonts.
    auto at = [&](const std::string& key) {
        return std::find(store.reads.begin(), store.reads.end(), key) - store.reads.begin();
    };
    EXPECT_LT(at("Wave/DrawChannel"), at("Main/TextColor"));
    EXPECT_LT(at("Gage/LineColor"), at("Main/CustomColor"));
    EXPECT_LT(at("Main/CustomColor"), at("Main/LogFont"));
    EXPECT_EQ(std::set<std::string>(store.reads.begin(), store.reads.end()).size(), store.reads.size());
}

TEST(KpSettings, DamagedValuesKeepTheirDefaults)
{
    MemorySettingsStore store;
    store.writeText("Main", "TextColor", "12 34");
    store.writeText("Wave", "LineColor", "red");
    store.writeBinary("Main", "CustomColor", std::vector<std::uint8_t>(47, 0));
    store.writeInt("Main", "HackMode", 5);
    const KpSettings s = LoadSettings(store);
    EXPECT_EQ(s.main.text, (RgbColour { 0, 0, 0 }));
    EXPECT_EQ(s.waveLineColor, (RgbColour { 0, 0, 255 }));
    EXPECT_EQ(s.customColours, KpSettings::WhiteCustomColours());
    EXPECT_TRUE(s.hackMode);

    MemorySettingsStore written;
    SaveSettings(s, written);
    EXPECT_EQ(written.readInt("Main", "HackMode", -1), 1);
}

// The view draws a stored number out of range as the nearest grid and as
// lines; saving writes what it drew.
TEST(KpSettings, WaveStyleAndGridReadFromTheirStoredNumbers)
{
    struct Case {
        int storedStyle, storedGrid;
        WaveStyle style;
        GridType grid;
    };
    const Case cases[] = {
        { 0, 0, WaveStyle::Line, GridType::None },
        { 1, 1, WaveStyle::Dots, GridType::Standard },
        { 2, 2, WaveStyle::Line, GridType::Fine },
        { -1, -1, WaveStyle::Line, GridType::None },
        { 7, 9, WaveStyle::Line, GridType::Fine },
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.writeInt("Wave", "WaveStyle", c.storedStyle);
        store.writeInt("Wave", "GridType", c.storedGrid);
        const KpSettings s = LoadSettings(store);
        EXPECT_EQ(s.waveStyle, c.style) << c.storedStyle;
        EXPECT_EQ(s.gridType, c.grid) << c.storedGrid;
        MemorySettingsStore written;
        SaveSettings(s, written);
        EXPECT_EQ(written.readInt("Wave", "WaveStyle", -9), static_cast<int>(c.style));
        EXPECT_EQ(written.readInt("Wave", "GridType", -9), static_cast<int>(c.grid));
    }
}

} // namespace
} // namespace kp
