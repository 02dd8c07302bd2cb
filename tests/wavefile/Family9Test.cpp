#include <gtest/gtest.h>

#include "FrameFamilyRoundTrip.h"
#include "synth/Family9Writer.h"
#include "synth/RecordingWriter.h"
#include "wavefile/ChannelMap.h"
#include "wavefile/SampleLayout.h"

namespace kp {
namespace {

using synth::Recording;
namespace frames = test::frames;
using frames::DecodeBytes;

// Analog channels, 32-bit logic units (below and above the analog range),
// classic logic words ("H") and the three float kinds ("W", "Z", "V").
Recording Family9(const std::string& function, std::size_t points, unsigned seed)
{
    frames::Values values(seed);
    const bool pairs = function == "REC";
    Recording rec;
    rec.model = "QX3122";
    rec.version = "QX3122-01";
    rec.function = function;
    rec.dataLength = static_cast<std::int64_t>(points);
    rec.frameSlack = 3;
    for (int slot : { 0, 9, 255 })
        rec.analog.push_back(
            { slot, {}, {}, values.u16(points), pairs ? values.u16(points) : std::vector<std::uint16_t> {} });
    for (int slot : { 5, 256, 351 })
        rec.logicWords.push_back(
            { slot, {}, values.u32(points), pairs ? values.u32(points) : std::vector<std::uint32_t> {} });
    for (int unit : { 0, 3, 9, 127 })
        rec.logicUnits.push_back(
            { unit, {}, values.nibbles(points), pairs ? values.nibbles(points) : std::vector<std::uint8_t> {} });
    for (int slot : { 0, 15, 16, 31, 32, 94 })
        rec.floats.push_back(
            { slot, {}, values.floats(points), pairs ? values.floats(points) : std::vector<float> {} });
    return rec;
}

TEST(Family9, MemoryAndEnvelopeRecordingsRoundTrip)
{
    for (const char* function : { "MEM", "REC" }) {
        const Recording rec = Family9(function, 6, 91);
        const auto d = DecodeBytes(synth::WriteRecording(rec));
        ASSERT_EQ(d.result.status, DecodeStatus::Complete) << function << ": " << d.result.detail;
        EXPECT_EQ(d.head.GetHeaderFamily(), HeaderFamily::Family9);
        frames::ExpectTablesHold(rec, d.tables, 0, 6);
    }
}

TEST(Family9, EnvelopeValuesFollowTheirPrimary)
{
    Recording rec;
    rec.model = "QX3122";
    rec.function = "REC";
    rec.dataLength = 1;
    rec.floats.push_back({ 16, {}, { 1.5f }, { -2.0f } }); // "Z"
    rec.logicWords.push_back(
        { 2, {}, { 0x01020304u }, { 0xA0B0C0D0u } }); // secondary into the slot's own secondary array
    rec.logicUnits.push_back({ 4, {}, { 0x9 }, { 0x6 } }); // "H" unit 2: group 0, high half
    const auto bytes = synth::WriteRecording(rec);
    const auto d = DecodeBytes(bytes);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.tables.floats[16].secondary[0], -2.0f);
    EXPECT_EQ(d.tables.logic[2].secondary[0], 0xA0B0C0D0u);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[0], 0x00090000u);
    EXPECT_EQ(d.tables.logicGroups.groups[0].secondary[0], 0x00060000u);
    // The writer hands out offsets from the end of the frame: the 32-bit
    // logic unit (4 + 4 bytes), the "H" word (2 + 2), then the float (4 + 4).
    EXPECT_EQ(MapEntryText(d.head, 0), "A0103020012");
    EXPECT_EQ(MapEntryText(d.head, 1), "H0201010008");
    EXPECT_EQ(MapEntryText(d.head, 2), "Z0101010000");
}

TEST(Family9, BlocksDecodeAsTheWhole)
{
    frames::ExpectBlocksMatchWhole(synth::WriteRecording(Family9("REC", 9, 92)), 4);
    frames::ExpectBlocksMatchWhole(synth::WriteRecording(Family9("MEM", 9, 93)), 2);
}

TEST(Family9, SecondValueBeyondTheFrameIsRefused)
{
    Recording rec;
    rec.model = "QX3122";
    rec.function = "REC";
    rec.dataLength = 2;
    rec.analog.push_back({ 0, {}, {}, { 1, 2 }, { 3, 4 } });
    auto bytes = synth::WriteRecording(rec);
    // The primary value at bytes 2-3 still fits a 4-byte frame, its pair does not.
    frames::PatchField(bytes, "HW01", kMapFirstField, synth::Family9MapEntry('A', 1, 1, false, 2));
    auto d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::Refused);
    EXPECT_NE(d.result.detail.find("entry 0"), std::string::npos) << d.result.detail;

    // The same file read as a memory recording takes only the first value.
    frames::PatchField(bytes, "HW", 4, "MEM");
    d = DecodeBytes(bytes);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.tables.analog[0].primary, (std::vector<std::uint16_t> { 3, 4 }));
}

TEST(Family9, MissingWaveHeaderOneRefusesTheFrames)
{
    auto bytes = synth::WriteRecording(Family9("MEM", 2, 94));
    frames::PatchField(bytes, "HW00", 0, "HWXX"); // the record is no longer recognised
    const auto d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::Refused);
}

TEST(Family9, FunctionsWithoutFramesReadNothing)
{
    auto bytes = synth::WriteRecording(Family9("MEM", 2, 95));
    frames::PatchField(bytes, "HW", 4, "RMS");
    EXPECT_EQ(DecodeBytes(bytes).allocation.status, AllocateStatus::NoSampleData);
}

TEST(Family9, WriterRefusesChannelsWithoutAPlace)
{
    Recording rec = Family9("MEM", 2, 96);
    rec.floats.push_back({ 95, {}, { 0.0f, 0.0f }, {} }); // no "HV" number names slot 95
    EXPECT_THROW(synth::WriteRecording(rec), std::invalid_argument);
    rec = Family9("MEM", 2, 96);
    rec.analog.push_back({ 256, {}, {}, { 0, 0 }, {} });
    EXPECT_THROW(synth::WriteRecording(rec), std::invalid_argument);
}

} // namespace
} // namespace kp
