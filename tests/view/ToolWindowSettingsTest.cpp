// Where tool windows open, how opaque they are, and what the trace window
// keeps in "TraceAll".
#include "platform/SettingsStore.h"
#include "view/ToolWindowOpacity.h"
#include "view/ToolWindowPlacement.h"
#include "view/TraceWindowSettings.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

TEST(ToolWindowPlacement, SavedWhenOnScreenElseBesideBelowAboveOrOverTheFrame)
{
    const SettingsRect screen { 0, 0, 1920, 1080 };
    struct Case {
        const char* what;
        std::optional<SettingsRect> saved;
        SettingsRect frame, expected;
    } cases[] = {
        { "saved, relative to the frame", SettingsRect { 900, 10, 1200, 500 }, { 100, 50, 900, 650 },
            { 1000, 60, 1300, 550 } },
        { "saved top just above the screen", SettingsRect { 0, -59, 300, 400 }, { 100, 50, 900, 650 },
            { 100, -9, 400, 450 } },
        { "saved top too high: beside", SettingsRect { 0, -60, 300, 400 }, { 100, 50, 900, 650 },
            { 900, 50, 1200, 650 } },
        { "saved left off screen: beside", SettingsRect { 1900, 0, 2200, 400 }, { 100, 50, 900, 650 },
            { 900, 50, 1200, 650 } },
        { "right side full: left", std::nullopt, { 400, 50, 1700, 650 }, { 100, 50, 400, 650 } },
        { "left edge 300: below", std::nullopt, { 300, 50, 1700, 650 }, { 300, 650, 1700, 850 } },
        { "no room below: above", std::nullopt, { 0, 300, 1700, 1000 }, { 0, 100, 1700, 300 } },
        { "no room anywhere: right half", std::nullopt, { 0, 100, 1700, 1000 }, { 850, 100, 1700, 1000 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceToolWindow(c.saved, c.frame, screen), c.expected) << c.what;
}

TEST(ToolWindowOpacity, OpaqueUnlessTranslucentAndNeverBelowTheDialogsRange)
{
    struct Case {
        bool translucent;
        int density;
        double opacity;
    } cases[] = {
        { false, 35, 1.0 },
        { true, 80, 0.8 },
        { true, 10, 0.1 },
        { true, 0, 0.1 }, // a stored 0 would make the windows vanish
        { true, -5, 0.1 },
        { true, 250, 1.0 },
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ToolWindowOpacity(c.translucent, c.density), c.opacity) << c.translucent << " " << c.density;
}

TEST(TraceWindowSettings, RoundTripAndDamagedValuesFallBack)
{
    MemorySettingsStore store;
    store.writeInt("TraceAll", "NumStyle", 7);
    store.writeInt("TraceAll", "CalcType", -1);
    store.writeText("TraceAll", "LogicColumn", "80 x 90");
    TraceWindowSettings s = TraceWindowSettings::Load(store);
    EXPECT_EQ(s.options.format.style, TraceNumStyle::AuxiliaryUnit);
    EXPECT_EQ(s.options.calc, TraceCalcType::BMinusA);
    EXPECT_EQ(s.columnWidths[2], (std::vector<int> { 80, kFitColumnWidth, kFitColumnWidth, kFitColumnWidth }));
    EXPECT_FALSE(s.placement);

    s.options.calc = TraceCalcType::BOverA;
    s.options.format = { TraceNumStyle::Exponential, true };
    s.placement = SettingsRect { 1, 2, 3, 4 };
    s.columnWidths[0] = { 10, 20, 30, 40, 50 };
    s.Save(store);
    EXPECT_EQ(store.readText("TraceAll", "AnalogColumn", ""), "10 20 30 40 50");
    const TraceWindowSettings back = TraceWindowSettings::Load(store);
    EXPECT_EQ(back.options.calc, TraceCalcType::BOverA);
    EXPECT_EQ(back.options.format.style, TraceNumStyle::Exponential);
    EXPECT_TRUE(back.options.format.withUnit);
    EXPECT_EQ(back.placement, s.placement);
    EXPECT_EQ(back.columnWidths, s.columnWidths);
}

TEST(ColumnWidths, CapAndFallback)
{
    EXPECT_EQ(DecodeColumnWidths("700 0 -3 200", 5, 100, 512), (std::vector<int> { 512, 100, 100, 200, 100 }));
}

} // namespace
} // namespace kp
