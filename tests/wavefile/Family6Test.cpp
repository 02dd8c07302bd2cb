#include <gtest/gtest.h>

#include "FrameFamilyRoundTrip.h"
#include "synth/RecordingWriter.h"
#include "wavefile/SampleLayout.h"

namespace kp {
namespace {

using synth::Recording;
namespace frames = test::frames;
using frames::DecodeBytes;

// Logic-unit position values come in pairs of points (even, odd).
std::vector<std::uint32_t> PairedWords(frames::Values& values, std::size_t n)
{
    auto v = values.u32(n);
    for (std::size_t p = 0; p + 1 < n; p += 2)
        v[p + 1] = v[p];
    if (n % 2 == 1)
        v[n - 1] &= 0xFFFF0000u; // an unpaired last point has no low half
    return v;
}

Recording Family6(const std::string& function, std::size_t points, unsigned seed)
{
    frames::Values values(seed);
    const bool pairs = function != "MEM";
    Recording rec;
    rec.model = "5228";
    rec.version = "52280102";
    rec.function = function;
    rec.dataLength = static_cast<std::int64_t>(points);
    for (int slot : { 0, 2, 5 })
        rec.analog.push_back(
            { slot, {}, {}, values.u16(points), pairs ? values.u16(points) : std::vector<std::uint16_t> {} });
    // Units 5 and 9 only: blocks 1 and 2 are saved, block 0 is not, so the
    // half of each block follows its number among all blocks.
    for (int unit : { 5, 6, 9 })
        rec.logicUnits.push_back(
            { unit, {}, values.nibbles(points), pairs ? values.nibbles(points) : std::vector<std::uint8_t> {} });
    if (!pairs) {
        rec.logicWords.push_back({ 1, {}, PairedWords(values, points), {} });
        rec.logicWords.push_back({ 4, {}, PairedWords(values, points), {} });
        rec.floats.push_back({ 0, {}, values.floats(points), {} });
        rec.floats.push_back({ 11, {}, values.floats(points), {} });
    }
    return rec;
}

TEST(Family6, MemoryRecordingRoundTrips)
{
    const Recording rec = Family6("MEM", 9, 61);
    const auto d = DecodeBytes(synth::WriteRecording(rec));
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.head.GetHeaderFamily(), HeaderFamily::Family6);
    frames::ExpectTablesHold(rec, d.tables, 0, 9);
}

TEST(Family6, EnvelopeRecordingRoundTrips)
{
    const Recording rec = Family6("REC", 8, 62);
    const auto d = DecodeBytes(synth::WriteRecording(rec));
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    frames::ExpectTablesHold(rec, d.tables, 0, 8);
}

TEST(Family6, LogicPositionJoinsTheWordsOfAPointPair)
{
    Recording rec;
    rec.model = "5228";
    rec.dataLength = 4;
    rec.logicWords.push_back({ 0, {}, { 0x12345678u, 0x12345678u, 0xABCD0001u, 0xABCD0001u }, {} });
    const auto bytes = synth::WriteRecording(rec);
    // The file keeps one 16-bit word per point: high half first, then low half.
    const std::size_t data = bytes.size() - 8;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + data, bytes.end()),
        (std::vector<std::uint8_t> { 0x12, 0x34, 0x56, 0x78, 0xAB, 0xCD, 0x00, 0x01 }));

    const auto whole = DecodeBytes(bytes);
    ASSERT_EQ(whole.result.status, DecodeStatus::Complete);
    EXPECT_EQ(whole.tables.logic[0].primary,
        (std::vector<std::uint32_t> { 0x12345678u, 0x12345678u, 0xABCD0001u, 0xABCD0001u }));
    // A range that splits a pair still joins both words.
    const auto odd = DecodeBytes(bytes, 1, 2);
    ASSERT_EQ(odd.result.status, DecodeStatus::Complete);
    EXPECT_EQ(odd.tables.logic[0].primary, (std::vector<std::uint32_t> { 0x12345678u, 0xABCD0001u }));
}

TEST(Family6, BlocksDecodeAsTheWhole)
{
    const auto bytes = synth::WriteRecording(Family6("MEM", 11, 63));
    for (std::int64_t block : { 1, 2, 3, 4 })
        frames::ExpectBlocksMatchWhole(bytes, block);
    frames::ExpectBlocksMatchWhole(synth::WriteRecording(Family6("REC", 7, 64)), 3);
}

TEST(Family6, LogicPositionsAreMarkedByTheirMode)
{
    const auto bytes = synth::WriteRecording(Family6("MEM", 2, 65));
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(bytes));
    const SampleLayout layout = DescribeSamples(head);
    EXPECT_TRUE(layout.logicSaved[1]);
    EXPECT_FALSE(layout.analogSaved[1]);
    EXPECT_TRUE(layout.analogSaved[2]);
    EXPECT_FALSE(layout.logicSaved[2]);
    EXPECT_EQ(layout.analogPositions, 6);
}

TEST(Family6, FileEndingInTheFloatTableKeepsWhatWasRead)
{
    const Recording rec = Family6("MEM", 6, 66);
    auto bytes = synth::WriteRecording(rec);
    bytes.resize(bytes.size() - 3); // the last float of the last point is cut
    const auto d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::ShortFile);
    for (std::size_t p = 0; p < 6; ++p)
        EXPECT_EQ(d.tables.analog[5].primary[p], rec.analog[2].primary[p]);
    for (std::size_t p = 0; p < 5; ++p)
        EXPECT_EQ(d.tables.floats[11].primary[p], rec.floats[1].primary[p]);
    EXPECT_EQ(d.tables.floats[11].primary[5], 0.0f);
}

TEST(Family6, FileEndingInTheChannelTableReadsNoFloats)
{
    const Recording rec = Family6("MEM", 6, 67);
    auto bytes = synth::WriteRecording(rec);
    bytes.resize(bytes.size() - 6 * 8 - 1);
    const auto d = DecodeBytes(bytes);
    EXPECT_EQ(d.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(d.tables.analog[0].primary[4], rec.analog[0].primary[4]);
    EXPECT_EQ(d.tables.floats[0].primary[0], 0.0f);
}

TEST(Family6, WriterRefusesWhatTheLayoutCannotHold)
{
    Recording rec = Family6("MEM", 4, 68);
    rec.logicWords[0].primary[1] ^= 1; // points 0 and 1 must share one value
    EXPECT_THROW(synth::WriteRecording(rec), std::invalid_argument);
    rec = Family6("MEM", 4, 68);
    rec.logicUnits.push_back({ 16, {}, std::vector<std::uint8_t>(4), {} });
    EXPECT_THROW(synth::WriteRecording(rec), std::invalid_argument);
}

} // namespace
} // namespace kp
