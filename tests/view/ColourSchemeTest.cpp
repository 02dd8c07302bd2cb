// The two colour schemes, read from section "Scheme" with their built-in colours as defaults.
#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "view/ColourScheme.h"

namespace kp {
namespace {

TEST(ColourScheme, BlackSchemeFromAnEmptyStoreGivesYellowOnBlackWithASilverGrid)
{
    MemorySettingsStore store;
    KpSettings s = KpSettings::Defaults();
    ApplyScheme(s, ReadScheme(store, SchemeId::BlackBackground));
    EXPECT_EQ(s.waveCharColor, (RgbColour { 255, 255, 0 }));
    EXPECT_EQ(s.waveBackColor, (RgbColour { 0, 0, 0 }));
    EXPECT_EQ(s.waveGridColor, (RgbColour { 192, 192, 192 }));
    EXPECT_EQ(s.title, (PaneStyle { { 255, 255, 0 }, { 0, 0, 0 }, s.title.font }));
    EXPECT_EQ(s.gageLineColor, (RgbColour { 255, 255, 0 }));
    EXPECT_EQ(s.info.back, (RgbColour { 0, 0, 0 }));
    // Panes outside the scheme keep their colours.
    EXPECT_EQ(s.property, KpSettings::Defaults().property);
}

TEST(ColourScheme, ReadsOnlyWholeColoursUnderItsOwnNumber)
{
    MemorySettingsStore store;
    store.writeText("Scheme", "GageLINEColor2", "1 2 3");
    store.writeText("Scheme", "WaveBackColor2", "10 20");
    store.writeText("Scheme", "RemarkTextColor1", "4 5 6");
    const SchemeColours white = ReadScheme(store, SchemeId::WhiteBackground);
    SchemeColours expected = BuiltInScheme(SchemeId::WhiteBackground);
    expected.gaugeLine = { 1, 2, 3 };
    EXPECT_EQ(white, expected);
    EXPECT_EQ(ReadScheme(store, SchemeId::BlackBackground).remarkText, (RgbColour { 4, 5, 6 }));
}

} // namespace
} // namespace kp
