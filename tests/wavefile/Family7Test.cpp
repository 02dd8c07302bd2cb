#include <gtest/gtest.h>

#include "FrameFamilyRoundTrip.h"
#include "synth/RecordingWriter.h"
#include "wavefile/SampleLayout.h"

namespace kp {
namespace {

using synth::Recording;
namespace frames = test::frames;
using frames::DecodeBytes;

Recording Family7(const std::string& function, std::size_t points, unsigned seed)
{
    frames::Values values(seed);
    const bool pairs = function == "REC";
    Recording rec;
    rec.model = "QX4767";
    rec.version = "QX476701";
    rec.function = function;
    rec.dataLength = static_cast<std::int64_t>(points);
    for (int slot : { 0, 3, 7 })
        rec.analog.push_back(
            { slot, {}, {}, values.u16(points), pairs ? values.u16(points) : std::vector<std::uint16_t> {} });
    for (int unit : { 0, 1, 3 })
        rec.logicUnits.push_back(
            { unit, {}, values.nibbles(points), pairs ? values.nibbles(points) : std::vector<std::uint8_t> {} });
    return rec;
}

TEST(Family7, MemoryAndEnvelopeRecordingsRoundTrip)
{
    for (const char* function : { "MEM", "REC" }) {
        const Recording rec = Family7(function, 10, 71);
        const auto d = DecodeBytes(synth::WriteRecording(rec));
        ASSERT_EQ(d.result.status, DecodeStatus::Complete) << function << ": " << d.result.detail;
        EXPECT_EQ(d.head.GetHeaderFamily(), HeaderFamily::Family7);
        frames::ExpectTablesHold(rec, d.tables, 0, 10);
    }
}

TEST(Family7, LogicWordIsWidenedWithItsSign)
{
    Recording rec;
    rec.model = "QX4767";
    rec.function = "REC";
    rec.dataLength = 2;
    rec.analog.push_back({ 0, {}, {}, { 1, 2 }, { 3, 4 } });
    // Probe 4 of unit 3 is bit 15 of the word.
    rec.logicUnits.push_back({ 3, {}, { 0x8, 0x7 }, { 0x0, 0xF } });
    const auto d = DecodeBytes(synth::WriteRecording(rec));
    ASSERT_EQ(d.result.status, DecodeStatus::Complete);
    const auto& group = d.tables.logicGroups.groups[0];
    EXPECT_EQ(group.primary, (std::vector<std::uint32_t> { 0xFFFF8000u, 0x00007000u }));
    EXPECT_EQ(group.secondary, (std::vector<std::uint32_t> { 0x00000000u, 0xFFFFF000u }));
    EXPECT_EQ(d.tables.analog[0].secondary, (std::vector<std::uint16_t> { 3, 4 }));
}

TEST(Family7, RealtimeEnvelopeReadsAsRecAndRmsReadsNothing)
{
    // The writer lays out REC; the header then names it the instrument's way.
    Recording asRec = Family7("REC", 4, 72);
    asRec.mainFields[15] = "ENVELOPE";
    auto bytes = synth::WriteRecording(asRec);
    frames::PatchField(bytes, "HW", 4, "REALTIME");
    auto d = DecodeBytes(bytes);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete);
    frames::ExpectTablesHold(asRec, d.tables, 0, 4);

    frames::PatchField(bytes, "HW", 4, "RMS");
    d = DecodeBytes(bytes);
    EXPECT_EQ(d.allocation.status, AllocateStatus::NoSampleData);
    EXPECT_FALSE(d.tables.analog[0].saved);
}

TEST(Family7, BlocksDecodeAsTheWholeAndShortFilesKeepTheirStart)
{
    const Recording rec = Family7("REC", 9, 73);
    auto bytes = synth::WriteRecording(rec);
    frames::ExpectBlocksMatchWhole(bytes, 4);

    bytes.resize(bytes.size() - 1);
    const auto d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(d.tables.analog[7].secondary[7], rec.analog[2].secondary[7]);
    EXPECT_EQ(d.tables.analog[7].secondary[8], 0);
}

} // namespace
} // namespace kp
