// The properties window's lists, from recordings of every family.
#include "view/PropertyTables.h"
#include "OpenedRecording.h"
#include "platform/SettingsStore.h"
#include "synth/DemoRecordings.h"
#include "view/PropertyRows.h"
#include "view/PropertyWindowSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kp {
namespace {

using test::OpenedRecording;

const TextTable& Tab(const PropertyTables& t, PropertyTab tab)
{
    return t[static_cast<std::size_t>(tab)];
}

std::vector<std::string> Labels(const TextTable& t)
{
    std::vector<std::string> labels;
    for (const auto& row : t.rows)
        labels.push_back(row.at(0));
    return labels;
}

class PropertiesOfFamily : public ::testing::TestWithParam<int> { };

// Every family gives the general items, a column per recorded channel and
// unit, and the fourteen system items.
TEST_P(PropertiesOfFamily, ListsTheRecordedChannelsAndItems)
{
    const int family = GetParam();
    const synth::Recording r = synth::FamilySampleRecording(HeaderFamily { family }, "MEM", 50, 6);
    OpenedRecording o(r);
    const PropertyTables t = BuildPropertyTables(o.doc, {});
    const TextTable& general = Tab(t, PropertyTab::General);
    EXPECT_EQ(general.rows.at(0), (std::vector<std::string> { "Model", o.doc.GetHeadInfo().GetModelName(true, true) }));
    EXPECT_EQ(general.rows.at(6).at(0), family == 3 ? "Interval" : "Time/DIV");
    const auto labels = Labels(general);
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Saved Logic Unit"), labels.end());

    const TextTable& analog = Tab(t, PropertyTab::Analog);
    // Every written analog channel has its column (32-bit positions too).
    for (const auto& a : r.analog) {
        const std::string title = o.doc.GetHeadInfo().GetChannelName(a.slot, 2);
        EXPECT_TRUE(std::any_of(analog.columns.begin(), analog.columns.end(), [&](const TextColumn& c) {
            return c.title == title;
        })) << title;
    }
    const bool probe = family == 5 || family == 6 || family == 8 || family == 9;
    EXPECT_EQ(analog.rows.size(), probe ? 22u : 21u);
    for (const auto& row : analog.rows)
        ASSERT_EQ(row.size(), analog.columns.size());
    EXPECT_EQ(analog.rows[8][0], family == 9 ? "Digital Filter" : "Trig");

    const auto& saved = o.doc.GetLogicGroups().unitSaved;
    EXPECT_EQ(Tab(t, PropertyTab::Logic).columns.size(),
        1 + static_cast<std::size_t>(std::count(saved.begin(), saved.end(), true)));
    EXPECT_EQ(Tab(t, PropertyTab::System).rows.size(), 14u);
    const TextTable& pulse = Tab(t, PropertyTab::Pulse);
    if (pulse.columns.size() > 1) {
        EXPECT_EQ(pulse.rows.at(4).at(0), family == 8 ? "Prescaler" : "Pulse/r");
    }
}

INSTANTIATE_TEST_SUITE_P(Families, PropertiesOfFamily, ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8, 9));

TEST(PropertyGeneralItems, TriggerTimingUnderRecAndTheStoredTexts)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "REC", 20, 2);
    r.mainFields[propertyfield::kTrigSource] = "CH2";
    r.mainFields[propertyfield::kTimerTrig + 1] = "10:00";
    OpenedRecording o(r);
    const PropertyTables tables = BuildPropertyTables(o.doc, {});
    const TextTable& g = Tab(tables, PropertyTab::General);
    EXPECT_EQ(g.rows.at(9), (std::vector<std::string> { "Trig Source", "CH2" }));
    EXPECT_EQ(g.rows.at(10).at(0), "Trig Timing");
    EXPECT_EQ(g.rows.at(13), (std::vector<std::string> { " Start", "10:00" }));
    EXPECT_EQ(g.rows.at(16), (std::vector<std::string> { "Manual Trig", "-" }));
}

TEST(EventMarkTime, InTheViewsNotations)
{
    CursorTextContext c;
    c.trigger = 100;
    c.sampleInterval = 0.001;
    struct Case {
        int notation;
        std::int64_t point;
        const char* expected;
    } cases[] = {
        { 1, 1350, "1.250000s" },
        { 2, 40, "-60 point" },
        { 0, 1350, "  1.2500s" },
        { 3, 100 + 3723500, "00d01h02m03.500s" },
        { 4, 0, "-00d00h00m00.100s" },
    };
    for (const Case& k : cases) {
        c.notation = k.notation;
        EXPECT_EQ(EventMarkTimeText(c, 0.01, k.point), k.expected) << k.notation;
    }
    c.notation = 3;
    c.sampleInterval = 1;
    EXPECT_EQ(EventMarkTimeText(c, 10, 100 + 90061), "01d01h01m01s");
}

TEST(PropertyEventMarks, ChunkedFamilyCommentsFromTheWriter)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family5, "MEM", 60, 3);
    r.events = { 5, 20, 41 };
    r.eventComments = { "start", "", "Überlast" };
    OpenedRecording o(r);
    CursorTextContext c;
    c.notation = 2;
    const PropertyTables tables = BuildPropertyTables(o.doc, c);
    const TextTable& events = Tab(tables, PropertyTab::EventMark);
    ASSERT_EQ(events.rows.size(), 3u);
    EXPECT_EQ(events.rows[0], (std::vector<std::string> { "1", "5 point", "start" }));
    EXPECT_EQ(events.rows[1][2], "");
    EXPECT_EQ(events.rows[2][2], "Überlast");

    synth::Recording other = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 60, 3);
    other.events = { 5 };
    other.eventComments = { "x" };
    EXPECT_THROW(synth::WriteRecording(other), std::invalid_argument);
}

TEST(PropertyWindowSettings, WidthsAreCappedAndDefaulted)
{
    MemorySettingsStore store;
    store.writeText("Property", "AnalogColumn", "700 60");
    const PropertyWindowSettings s = PropertyWindowSettings::Load(store);
    ASSERT_EQ(s.columnWidths[1].size(), 353u);
    EXPECT_EQ(s.columnWidths[1][0], 512);
    EXPECT_EQ(s.columnWidths[1][1], 60);
    EXPECT_EQ(s.columnWidths[1][2], kFitColumnWidth);
    EXPECT_EQ(s.columnWidths[0], (std::vector<int> { kFitColumnWidth, kFitColumnWidth }));
}

} // namespace
} // namespace kp
