// What the header hands the view beyond the samples: the trigger moment of
// the date labels, the event marks, each channel's display values and the
// pulse divisor, all from recordings the writer was told to write.
#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "ViewFixtures.h"
#include "interpret/ChannelDisplayValues.h"
#include "platform/LocaleInfo.h"
#include "view/ViewRecordBuilder.h"
#include "wavefile/CKpDoc.h"

namespace kp {
namespace {

using test::ScratchFolder;
using test::ViewHarness;

struct OpenedDoc {
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CKpDoc doc { messages, progress, blockFiles };
};

// Family 1: 1 s per division of 100 points, triggered 2024-06-11 12:00:05.5,
// events at points 0, 12000 and 19999.
synth::Recording DatedRecording()
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family1, "MEM", 20'000, 3);
    r.mainFields[7] = "24-06-11";
    r.mainFields[8] = "12:00:05.5";
    r.mainFields[10] = "100";
    r.mainFields[11] = "1s";
    r.events = { 0, 12'000, 19'999 };
    using namespace displayfield;
    r.analog[0].fields[kGraph] = "OFF";
    r.analog[0].fields[kColour] = "10 20 30";
    r.analog[0].fields[kExpand] = "x500";
    r.analog[0].fields[kPosition] = "75%";
    r.analog[1].fields[kExpand] = "1/2";
    r.logicUnits[1].fields[kGraph] = "OFF";
    r.logicUnits[1].fields[kColour] = "1 2 3";
    return r;
}

void Open(OpenedDoc& o, const synth::Recording& r, const std::filesystem::path& path)
{
    synth::WriteRecordingFile(r, path);
    ASSERT_TRUE(o.doc.OnOpenDocument(path)) << (o.messages.shown().empty() ? "" : o.messages.shown()[0].text);
}

TEST(ViewRecordFromHeader, DateLabelsCountFromTheWrittenTriggerMoment)
{
    ScopedLocale locale { LocaleInfo {} }; // "yyyy/MM/dd", "HH:mm:ss" and "."
    ScratchFolder dir;
    OpenedDoc o;
    Open(o, DatedRecording(), dir / "D.MEM");
    auto record = BuildViewRecord(o.doc);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->triggerMoment, DateTime::FromCivil(2024, 6, 11, 12, 0, 5));
    EXPECT_DOUBLE_EQ(record->startOffset, 0.5);

    ViewHarness h(600, 300);
    h.view->SetRecord(std::move(record));
    h.view->SetTimeNotation(AxisNotation::Date);
    // Two divisions of 1 s after the trigger, plus the half second the
    // trigger time carries.
    EXPECT_EQ(h.view->LabelText(2), "2024/06/11\n12:00:07");
    EXPECT_EQ(h.view->LabelText(-6), "2024/06/11\n11:59:59");
    h.view->ToggleEnhancedDate();
    EXPECT_EQ(h.view->LabelText(2), "2024/06/11\n12:00:07.5");
}

TEST(ViewRecordFromHeader, SelectingAnEventJumpsToItAndMarksItCurrent)
{
    ScratchFolder dir;
    OpenedDoc o;
    Open(o, DatedRecording(), dir / "E.MEM");
    auto record = BuildViewRecord(o.doc);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->events, (std::vector<std::int64_t> { 0, 12'000, 19'999 }));

    ViewHarness h(600, 300);
    h.view->SetRecord(std::move(record));
    EXPECT_EQ(h.view->GetCurrentEvent(), -1);
    h.view->SetMagnificationIndex(h.view->GetHighestIndex()); // 1:1, 20,000 columns
    ASSERT_EQ(h.view->PointsPerColumn(), 1);
    h.view->SelectEvent(1);
    EXPECT_EQ(h.view->GetCurrentEvent(), 1);
    EXPECT_EQ(h.view->ScrollX(), 12'000);
    QApplication::processEvents();
    // The current event's triangle stands at the wave area's left edge.
    const QImage image = h.view->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(kWaveLeftMargin, 22), QColor(255, 0, 255));

    h.view->SelectEvent(3); // past the count
    h.view->SelectEvent(-1);
    EXPECT_EQ(h.view->GetCurrentEvent(), 1);
    EXPECT_EQ(h.view->ScrollX(), 12'000);
    h.view->SelectEvent(0);
    EXPECT_EQ(h.view->GetCurrentEvent(), 0);
    EXPECT_EQ(h.view->ScrollX(), 0);
}

TEST(ViewRecordFromHeader, TheViewStartsFromTheWrittenDisplayValues)
{
    ScratchFolder dir;
    OpenedDoc o;
    const synth::Recording r = DatedRecording();
    Open(o, r, dir / "H.MEM");
    auto record = BuildViewRecord(o.doc);
    ASSERT_NE(record, nullptr);
    ASSERT_GE(record->analog.size(), 2u);
    const HeaderDisplay& first = record->analog[0].header;
    EXPECT_FALSE(first.shown);
    EXPECT_EQ(first.colour, (RgbColour { 10, 20, 30 }));
    EXPECT_EQ(first.zoom, 100.0);
    EXPECT_EQ(first.position, 0.5);
    EXPECT_EQ(record->analog[1].header.zoom, 0.5);
    EXPECT_TRUE(record->analog[1].header.shown);
    EXPECT_FALSE(record->analog[1].header.colour);

    ViewHarness h(600, 300);
    h.view->SetRecord(std::move(record));
    const ChannelDisplayState& s = h.view->Channels();
    const auto a0 = static_cast<std::size_t>(r.analog[0].slot);
    EXPECT_FALSE(s.analog.shown[a0]);
    EXPECT_EQ(s.analog.colour[a0], (RgbColour { 10, 20, 30 }));
    EXPECT_EQ(s.analog.zoom[a0], 100.0);
    EXPECT_EQ(s.analog.position[a0], 0.5);
    EXPECT_EQ(s.analog.colour[static_cast<std::size_t>(r.analog[1].slot)], DefaultChannelColour(r.analog[1].slot));
    // The hidden logic unit hides its four probes, in its colour.
    const int unit = r.logicUnits[1].unit;
    for (int probe = 0; probe < 4; ++probe) {
        const auto l = static_cast<std::size_t>(4 * unit + probe);
        EXPECT_FALSE(s.logic.shown[l]);
        EXPECT_EQ(s.logic.colour[l], (RgbColour { 1, 2, 3 }));
    }
    const auto other = static_cast<std::size_t>(4 * r.logicUnits[0].unit);
    EXPECT_TRUE(s.logic.shown[other]);
}

TEST(ViewRecordFromHeader, LogicUnitsStackUpwardsFromTheirWrittenPosition)
{
    ScratchFolder dir;
    OpenedDoc o;
    synth::Recording r = DatedRecording();
    r.logicUnits[0].fields[displayfield::kPosition] = "50%";
    Open(o, r, dir / "L.MEM");
    const auto record = BuildViewRecord(o.doc);
    ASSERT_NE(record, nullptr);
    std::vector<const LogicChannel*> unit0;
    for (const LogicChannel& l : record->logic)
        if (l.index / 4 == r.logicUnits[0].unit)
            unit0.push_back(&l);
    ASSERT_EQ(unit0.size(), 4u);
    const double band = unit0[0]->header.position - unit0[1]->header.position;
    EXPECT_GT(band, 0.0); // first probe on top
    EXPECT_NEAR(unit0[3]->header.position, 0.2 * band, 1e-12); // the lowest band starts on the centre line
    EXPECT_NEAR(unit0[1]->header.position - unit0[2]->header.position, band, 1e-12);
}

// Model 3019 (ModelId 6, five divisions per half height) divides its counts
// by the pulse full scale x 5, so a count of one full scale is one division
// high; without a full scale the divisor is 5.
TEST(ViewRecordFromHeader, PulseCountsDivideByTheFullScaleTimesL)
{
    ScratchFolder dir;
    OpenedDoc o;
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family3, "MEM", 100, 3);
    synth::PulseBlueprint p0 { 0, { { 4, "1000" } }, std::vector<std::uint16_t>(100, 1000) };
    synth::PulseBlueprint p1 { 1, {}, std::vector<std::uint16_t>(100, 7) };
    r.pulses = { p0, p1 };
    Open(o, r, dir / "P.MEM");
    const auto record = BuildViewRecord(o.doc);
    ASSERT_NE(record, nullptr);
    ASSERT_EQ(record->modelId, 6);
    ASSERT_EQ(record->pulse.size(), 2u);
    const ValueChannel& c = record->pulse[0];
    EXPECT_EQ(c.scaling.divisor, 5000.0);
    EXPECT_EQ(c.scaling.gain, 1.0);
    EXPECT_DOUBLE_EQ(NormalisedHeight(c.coding, c.scaling, 1.0, 0.0, 1000.0), 0.2);
    EXPECT_EQ(record->pulse[1].scaling.divisor, 5.0);
}

} // namespace
} // namespace kp
