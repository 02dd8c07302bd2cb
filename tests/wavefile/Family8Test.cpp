#include <gtest/gtest.h>

#include "FrameFamilyRoundTrip.h"
#include "synth/Family8Writer.h"
#include "synth/RecordingWriter.h"
#include "wavefile/ChannelMap.h"
#include "wavefile/SampleLayout.h"

namespace kp {
namespace {

using synth::Recording;
namespace frames = test::frames;
using frames::DecodeBytes;

// Every kind letter of the map: analog, 32-bit logic units, built-in and CAN
// logic, pulse, float, GPS (whole and split) and waveform calculations.
Recording Family8(std::size_t points, unsigned seed)
{
    frames::Values values(seed);
    Recording rec;
    rec.model = "QX3013";
    rec.version = "QX301301";
    rec.dataLength = static_cast<std::int64_t>(points);
    rec.frameSlack = 6;
    for (int slot : { 0, 14, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 31, 59 })
        rec.analog.push_back({ slot, {}, {}, values.u16(points), {} });
    for (int slot : { 15, 240, 241, 244, 245, 256, 263 })
        rec.logicWords.push_back({ slot, {}, values.u32(points), {} });
    // PDOP, HDOP, VDOP in 10 bits each; SAT, MODE, GEOID, TBIT in 5, 2, 18 and 1.
    const std::pair<int, synth::GpsSplitBlueprint> splits[] = {
        { 246, { 0x3FF00000u, 20 } },
        { 247, { 0x000FFC00u, 10 } },
        { 248, { 0x000003FFu, 0 } },
        { 249, { 0xF8000000u, 27 } },
        { 250, { 0x06000000u, 25 } },
        { 251, { 0x01FFFF80u, 7 } },
        { 252, { 0x00000040u, 6 } },
    };
    for (const auto& [slot, split] : splits) {
        rec.gpsSplits[slot] = split;
        auto v = values.u32(points);
        for (auto& x : v)
            x = (x << split.shift & split.mask) >> split.shift;
        rec.logicWords.push_back({ slot, {}, v, {} });
    }
    for (int unit : { 0, 3, 4, 9, 17, 19 })
        rec.logicUnits.push_back({ unit, {}, values.nibbles(points), {} });
    rec.pulses.push_back({ 0, {}, values.u16(points) });
    rec.pulses.push_back({ 1, {}, values.u16(points) });
    rec.floats.push_back({ 0, {}, values.floats(points), {} });
    rec.floats.push_back({ 7, {}, values.floats(points), {} });
    return rec;
}

TEST(Family8, EveryKindLetterRoundTrips)
{
    const Recording rec = Family8(7, 81);
    const auto bytes = synth::WriteRecording(rec);
    const auto d = DecodeBytes(bytes);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.head.GetHeaderFamily(), HeaderFamily::Family8);
    frames::ExpectTablesHold(rec, d.tables, 0, 7);
    // The map needs two records: 31 entries.
    EXPECT_EQ(d.head.GetWaveHeader2Count(), 2);
}

TEST(Family8, CanUnitsFillTheHalvesAfterTheBuiltInLogic)
{
    Recording rec;
    rec.model = "QX3013";
    rec.dataLength = 1;
    rec.logicUnits = { { 0, {}, { 0x1 }, {} }, { 4, {}, { 0x2 }, {} }, { 8, {}, { 0x3 }, {} }, { 12, {}, { 0x4 }, {} },
        { 16, {}, { 0x5 }, {} } };
    const auto d = DecodeBytes(synth::WriteRecording(rec));
    ASSERT_EQ(d.result.status, DecodeStatus::Complete);
    const auto& g = d.tables.logicGroups.groups;
    // Built-in: group 0 low; CAN 0: group 0 high; CAN 1: group 1 low; CAN 2: group 1 high; CAN 3: group 2 low.
    EXPECT_EQ(g[0].primary[0], 0x00020001u);
    EXPECT_EQ(g[1].primary[0], 0x00040003u);
    EXPECT_EQ(g[2].primary[0], 0x00000005u);
}

TEST(Family8, GpsSplitSlotsTakeTheirMaskAndShift)
{
    Recording rec;
    rec.model = "QX3013";
    rec.dataLength = 1;
    rec.gpsSplits[246] = { 0xFF000000u, 24 };
    rec.gpsSplits[247] = { 0x00FF0000u, 16 };
    rec.logicWords = { { 246, {}, { 0xAB }, {} }, { 247, {}, { 0xCD }, {} }, { 248, {}, { 0xABCD0000u }, {} } };
    // 248 keeps the whole value (no split given), which the others fill.
    const auto d = DecodeBytes(synth::WriteRecording(rec));
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.tables.logic[246].primary[0], 0xABu);
    EXPECT_EQ(d.tables.logic[247].primary[0], 0xCDu);
    EXPECT_EQ(d.tables.logic[248].primary[0], 0xABCD0000u);
    ASSERT_NE(d.head.GpsHeader(), nullptr);
    EXPECT_EQ(FieldText(*d.head.GpsHeader(), kGpsSplitMaskField), "FF000000");

    rec.logicWords[2].primary[0] = 0x1; // does not agree with 246 and 247
    EXPECT_THROW(synth::WriteRecording(rec), std::invalid_argument);
    rec.logicWords.pop_back(); // 246-248 share one header
    EXPECT_THROW(synth::WriteRecording(rec), std::invalid_argument);
}

TEST(Family8, BlocksDecodeAsTheWhole)
{
    const auto bytes = synth::WriteRecording(Family8(10, 82));
    frames::ExpectBlocksMatchWhole(bytes, 3);
    frames::ExpectBlocksMatchWhole(bytes, 1);
}

TEST(Family8, FramesThatDoNotFitAreRefused)
{
    const Recording rec = Family8(3, 83);
    const auto good = synth::WriteRecording(rec);
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(good));
    const std::int64_t frame = ReadFrameSize(head);

    for (const std::string& size :
        { std::to_string(frame - 7), std::string("0"), std::string("-4"), std::to_string(kMaxFrameBytes + 1) }) {
        auto bytes = good;
        frames::PatchField(bytes, "HW-001", kFamily8FrameSizeField, size);
        const auto d = DecodeBytes(bytes);
        EXPECT_EQ(d.result.status, DecodeStatus::Refused) << size;
        EXPECT_FALSE(d.result.detail.empty());
    }
}

TEST(Family8, OnlySavedEntriesMustFitTheFrame)
{
    Recording rec;
    rec.model = "QX3013";
    rec.dataLength = 2;
    rec.analog.push_back({ 3, {}, {}, { 7, 8 }, {} });
    auto bytes = synth::WriteRecording(rec);
    // An entry for channel 10, which no channel header names, far beyond the frame.
    frames::PatchField(bytes, "HW-002", kMapFirstField + 1, synth::Family8MapEntry('A', '1', 0, 10, 190));
    auto d = DecodeBytes(bytes);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.tables.analog[3].primary, (std::vector<std::uint16_t> { 7, 8 }));

    // The saved channel's own entry moved beyond the frame is refused.
    frames::PatchField(bytes, "HW-002", kMapFirstField, synth::Family8MapEntry('A', '1', 0, 3, 2));
    d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::Refused);
}

TEST(Family8, DataLengthBeyondTheFileIsAShortFile)
{
    const Recording rec = Family8(5, 84);
    auto bytes = synth::WriteRecording(rec);
    frames::PatchField(bytes, "HW", 6, "8");
    const auto d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(d.tables.pulse[1].primary[4], rec.pulses[1].primary[4]);
    EXPECT_EQ(d.tables.pulse[1].primary[5], 0);

    // A length no file could hold is refused before any allocation.
    frames::PatchField(bytes, "HW", 6, "900000000000");
    EXPECT_EQ(DecodeBytes(bytes).allocation.status, AllocateStatus::TooLargeForFile);
}

TEST(Family8, OnlyMemoryRecordingsCarryFrames)
{
    auto bytes = synth::WriteRecording(Family8(2, 85));
    frames::PatchField(bytes, "HW", 4, "MEM&FFT");
    EXPECT_EQ(DecodeBytes(bytes).result.status, DecodeStatus::Complete);
    frames::PatchField(bytes, "HW", 4, "REC");
    EXPECT_EQ(DecodeBytes(bytes).allocation.status, AllocateStatus::NoSampleData);
}

TEST(Family8, WidePositionsLiveInTheLogicTable)
{
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(synth::WriteRecording(Family8(1, 86))));
    const SampleLayout layout = DescribeSamples(head);
    for (int slot : { 15, 240, 246, 247, 248, 252, 256, 263 }) {
        EXPECT_TRUE(layout.logicSaved[slot]) << slot;
        EXPECT_FALSE(layout.analogSaved[slot]) << slot;
    }
    EXPECT_TRUE(layout.analogSaved[14]);
    EXPECT_FALSE(layout.logicSaved[14]);
}

TEST(Family8, CancelStopsAtAProgressStep)
{
    synth::Recording rec;
    rec.model = "QX3013";
    rec.dataLength = 5000;
    rec.analog.push_back({ 0, {}, {}, std::vector<std::uint16_t>(5000, 7), {} });
    const auto bytes = synth::WriteRecording(rec);
    auto d = test::DecodeFile(bytes, 0, 1); // header and layout
    ASSERT_EQ(AllocateTables(d.layout, 0, 5000, bytes.size(), d.tables).status, AllocateStatus::Ok);
    int steps = 0;
    DecodeRequest request { d.head, bytes, d.tables, 0, 5000, [&] { return ++steps < 2; }, {} };
    EXPECT_EQ(DecodeSamples(request).status, DecodeStatus::Cancelled);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(d.tables.analog[0].primary[3999], 7);
    EXPECT_EQ(d.tables.analog[0].primary[4000], 0);
}

} // namespace
} // namespace kp
