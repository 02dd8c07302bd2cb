// The byte-level rules of families 0-4 that a symmetric writer and reader
// could both get wrong the same way: each test pins the stored bytes as well
// as the decoded codes.
#include <gtest/gtest.h>

#include "support/SampleRoundTrip.h"
#include "synth/FamilyWriter.h"
#include "wavefile/ByteReader.h"
#include "wavefile/OldHeader.h"

namespace kp::test {
namespace {

std::size_t HeaderSize(const std::vector<std::uint8_t>& file)
{
    return DecodeFile(file, 0, 1).head.GetHeaderSize();
}

synth::LogicUnitBlueprint Unit(int unit, std::vector<std::uint8_t> primary, std::vector<std::uint8_t> secondary = {})
{
    synth::LogicUnitBlueprint u;
    u.unit = unit;
    u.primary = std::move(primary);
    u.secondary = std::move(secondary);
    return u;
}

TEST(Family0Samples, BitNineWidensWithOnes)
{
    synth::Recording r = Make("3518", "35180001", "MEM", 2, {}, {}, 0);
    r.analog.push_back(Analog(0, { 0xF200, 0x0100 }));
    const auto file = synth::WriteRecording(r);
    const std::size_t data = HeaderSize(file);
    ASSERT_EQ(file.size(), data + 4);
    EXPECT_EQ(LoadLE16(&file[data]), 0x0200);
    EXPECT_EQ(LoadLE16(&file[data + 2]), 0x0100);
    Decoded d = DecodeFile(file);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete);
    EXPECT_EQ(d.tables.analog[0].primary, (std::vector<std::uint16_t> { 0xF200, 0x0100 }));

    // 0x0200 would come back as 0xF200: the writer refuses it.
    r.analog[0].primary = { 0x0200, 0 };
    EXPECT_THROW(synth::WriteRecording(r), std::invalid_argument);
}

TEST(Family0Samples, PairWordsCrossAnalogAndLogic)
{
    synth::Recording r = Make("3518", "35180001", "REC", 1, {}, {}, 0);
    r.analog.push_back(Analog(1, { 0x0123 }, { 0x0456 }));
    r.logicUnits.push_back(Unit(1, { 0xA }, { 0x5 }));
    const auto file = synth::WriteRecording(r);
    const std::size_t block1 = HeaderSize(file) + 4; // position 0's block holds one pair
    // First word: primary analog, secondary probes; second word the other two.
    EXPECT_EQ(LoadLE16(&file[block1]), 0x5123);
    EXPECT_EQ(LoadLE16(&file[block1 + 2]), 0xA456);
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[0], 0xA0u);
    EXPECT_EQ(d.tables.logicGroups.groups[0].secondary[0], 0x50u);
    EXPECT_EQ(d.tables.analog[1].secondary[0], 0x0456);
}

TEST(Family3Samples, RingStartPlacesStoredRecords)
{
    synth::Recording r = WithRing(Make("3019", "30190001", "MEM", 10, {}, {}, 0), 10, 3);
    std::vector<std::uint16_t> codes;
    for (std::uint16_t p = 0; p < 10; ++p)
        codes.push_back(static_cast<std::uint16_t>(100 + p));
    r.analog.push_back(Analog(0, codes));
    const auto file = synth::WriteRecording(r);
    const std::size_t data = HeaderSize(file);
    EXPECT_EQ(LoadBE16(&file[data]), 107); // the first stored record is point 7
    EXPECT_EQ(LoadBE16(&file[data + 6]), 100); // the fourth is point 0
    Decoded d = DecodeFile(file);
    ASSERT_EQ(d.result.status, DecodeStatus::Complete);
    EXPECT_EQ(d.tables.analog[0].primary, codes);
}

TEST(Family3Samples, RingThatCannotHoldTheRecord)
{
    synth::Recording r = WithRing(Make("3019", "30190001", "MEM", 8, { 0 }, {}, 1), 8, 2);
    auto file = synth::WriteRecording(r);
    // A data length beyond the ring names points the ring never held.
    auto patch = [&](int field, const std::string& text) {
        std::fill_n(file.begin() + field * 12, 12, 0);
        std::copy(text.begin(), text.end(), file.begin() + field * 12);
    };
    patch(6, "12");
    Decoded longer = DecodeFile(file);
    EXPECT_EQ(longer.result.status, DecodeStatus::ShortFile);
    EXPECT_TRUE(
        std::equal(r.analog[0].primary.begin(), r.analog[0].primary.end(), longer.tables.analog[0].primary.begin()));
    patch(10, "8"); // start outside the ring
    EXPECT_EQ(DecodeFile(file).result.status, DecodeStatus::Refused);
}

TEST(Family3Samples, PulsesUnderPairsFailTheAllocation)
{
    synth::Recording r = WithPulses(Make("3019", "30190001", "REC", 4, { 0 }, {}, 2), { 1 }, 3);
    Decoded d = DecodeFile(synth::WriteRecording(r));
    EXPECT_EQ(d.allocation.status, AllocateStatus::PulseUnderPairs);
    EXPECT_FALSE(d.tables.analog[0].saved);
}

TEST(Family1Samples, MemoryUnitsShareBytesInOrder)
{
    synth::Recording r = Make("4170", "41700003", "MEM", 1, {}, {}, 0);
    r.logicUnits = { Unit(0, { 0x1 }), Unit(1, { 0x2 }), Unit(3, { 0x8 }) };
    const auto file = synth::WriteRecording(r);
    const std::size_t data = HeaderSize(file);
    ASSERT_EQ(file.size(), data + 2);
    // Unit 0 in the high nibble of the first byte, unit 1 in its low nibble,
    // unit 3 in the high nibble of a second byte; probes most significant first.
    EXPECT_EQ(file[data], 0x84);
    EXPECT_EQ(file[data + 1], 0x10);
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[0], 0x8021u);
    EXPECT_TRUE(d.tables.logicGroups.unitSaved[3]);
    EXPECT_FALSE(d.tables.logicGroups.unitSaved[2]);
}

TEST(Family1Samples, EnvelopeUnitsTakeAReversedByteEach)
{
    synth::Recording r = Make("4170", "41700003", "REC", 1, {}, {}, 0);
    r.logicUnits = { Unit(2, { 0x1 }, { 0x2 }) };
    const auto file = synth::WriteRecording(r);
    EXPECT_EQ(file[HeaderSize(file)], ReverseBits8(0x21));
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[0], 0x100u);
    EXPECT_EQ(d.tables.logicGroups.groups[0].secondary[0], 0x200u);
}

TEST(Family2Samples, ChannelsKeepTheirOwnDataCounts)
{
    synth::Recording r = Make("3384", "33840001", "MEM", 100, {}, { 0 }, 4);
    r.analog.push_back(Analog(0, std::vector<std::uint16_t>(100, 7)));
    r.analog.push_back(Analog(3, std::vector<std::uint16_t>(60, 9)));
    Decoded d = DecodeFile(synth::WriteRecording(r));
    ASSERT_EQ(d.result.status, DecodeStatus::Complete) << d.result.detail;
    EXPECT_EQ(d.tables.analog[0].primary.size(), 100u);
    EXPECT_EQ(d.tables.analog[3].primary.size(), 60u);
    EXPECT_EQ(d.tables.analog[3].primary.back(), 9);
    // A range past a channel's own count leaves it empty, not out of bounds.
    Decoded tail = DecodeFile(synth::WriteRecording(r), 70, 30);
    EXPECT_TRUE(tail.tables.analog[3].saved);
    EXPECT_TRUE(tail.tables.analog[3].primary.empty());
    EXPECT_EQ(tail.tables.analog[0].primary.size(), 30u);

    r.analog[1].primary.clear(); // a saved channel of no points fails the load
    EXPECT_EQ(DecodeFile(synth::WriteRecording(r)).allocation.status, AllocateStatus::ZeroPointCount);
}

TEST(Family2Samples, LogicIsSwappedReversedAndSignExtended)
{
    synth::Recording r = Make("3384", "33840001", "MEM", 2, {}, {}, 0);
    r.logicUnits = { Unit(0, { 0x1, 0x0 }), Unit(3, { 0x0, 0x8 }) };
    const auto file = synth::WriteRecording(r);
    const std::size_t logic = file.size() - 4;
    EXPECT_EQ(LoadBE16(&file[logic]), SwapBytes16(ReverseBits16(0x0001)));
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[0], 0x00000001u);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[1], 0xFFFF8000u);
    // Unit 4 only repeats unit 3's last probe: a value of its own is refused.
    r.logicUnits.push_back(Unit(4, { 0x1, 0xF }));
    EXPECT_THROW(synth::WriteRecording(r), std::invalid_argument);
}

TEST(Family4Samples, ZeroOffsetFollowsTheInputUnit)
{
    synth::Recording r = Make("4756", "", "MEM", 1, {}, {}, 0);
    r.analog.push_back(Analog(0, { 5 }));
    r.analog.push_back(Analog(2, { 0xFFFF }));
    r.analog[1].fields[2] = "4522";
    const auto file = synth::WriteRecording(r);
    ASSERT_EQ(file.size(), oldheader::kSize + 4);
    EXPECT_EQ(LoadBE16(&file[oldheader::kSize]), 5 + 2048);
    EXPECT_EQ(LoadBE16(&file[oldheader::kSize + 2]), 726); // 0xFFFF + 727 wraps
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.tables.analog[0].primary[0], 5);
    EXPECT_EQ(d.tables.analog[2].primary[0], 0xFFFF);
    EXPECT_FALSE(d.tables.analog[1].saved);
}

TEST(Family4Samples, EnvelopeLogicPairs)
{
    synth::Recording r = Make("4756", "", "REC", 1, {}, {}, 0);
    r.logicUnits = { Unit(4, { 0xC }, { 0x4 }) };
    const auto file = synth::WriteRecording(r);
    // Block 1 (units 4-7) follows an empty block 0; d = primary, q = primary AND NOT secondary.
    ASSERT_EQ(file.size(), oldheader::kSize + 8);
    EXPECT_EQ(LoadBE16(&file[oldheader::kSize + 4]), SwapBytes16(ReverseNibbles16(0xC)));
    EXPECT_EQ(LoadBE16(&file[oldheader::kSize + 6]), SwapBytes16(ReverseNibbles16(0x8)));
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.tables.logicGroups.groups[0].primary[0], 0xCu << 16);
    EXPECT_EQ(d.tables.logicGroups.groups[0].secondary[0], 0x4u << 16);
    r.logicUnits[0].secondary = { 0x3 }; // not inside the primary set
    EXPECT_THROW(synth::WriteRecording(r), std::invalid_argument);
}

TEST(TableAllocation, SizesAreExactAndSecondaryOnlyForPairs)
{
    Decoded mem = DecodeFile(synth::WriteRecording(Make("4170", "41700003", "MEM", 37, { 2 }, { 9 }, 5)));
    EXPECT_EQ(mem.tables.analog[2].primary.size(), 37u);
    EXPECT_TRUE(mem.tables.analog[2].secondary.empty());
    EXPECT_FALSE(mem.tables.analog[1].saved);
    // Family 1 puts every unit into group 0; unit 9 marks its own group too.
    EXPECT_TRUE(mem.tables.logicGroups.groups[0].saved);
    EXPECT_TRUE(mem.tables.logicGroups.groups[1].saved);
    EXPECT_EQ(mem.allocation.bytes, 37u * 2 + 2 * 37u * 4);

    Decoded rec = DecodeFile(synth::WriteRecording(Make("4170", "41700003", "REC", 37, { 2 }, {}, 6)));
    EXPECT_EQ(rec.tables.analog[2].secondary.size(), 37u);
    EXPECT_FALSE(rec.tables.logicGroups.logicPresent);
}

TEST(TableAllocation, ClaimsBeyondTheFileAreRefusedBeforeAllocating)
{
    synth::Recording r = Make("4170", "41700003", "MEM", 10, { 0, 1 }, {}, 7);
    auto file = synth::WriteRecording(r);
    const std::string huge = "400000000000";
    std::fill_n(file.begin() + 72, 12, 0);
    std::copy(huge.begin(), huge.end(), file.begin() + 72);
    Decoded d = DecodeFile(file);
    EXPECT_EQ(d.allocation.status, AllocateStatus::TooLargeForFile);
    EXPECT_FALSE(d.tables.analog[0].saved);
    EXPECT_TRUE(d.tables.analog[0].primary.empty());

    // Within the limit a short file is allocated whole: its tail reads as zero.
    EXPECT_EQ(AllocationLimit(1000), 2 * 8 * 1000 + (1u << 20));
    const std::string fits = std::to_string((AllocationLimit(file.size()) / 4));
    std::fill_n(file.begin() + 72, 12, 0);
    std::copy(fits.begin(), fits.end(), file.begin() + 72);
    Decoded allowed = DecodeFile(file);
    EXPECT_EQ(allowed.allocation.status, AllocateStatus::Ok);
    EXPECT_EQ(allowed.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(allowed.tables.analog[1].primary[9], r.analog[1].primary[9]);
    EXPECT_EQ(allowed.tables.analog[1].primary[10], 0);
}

TEST(SampleProgress, StepsFollowTheLayout)
{
    auto steps = [](const synth::Recording& r, std::int64_t expectedRange) {
        const auto file = synth::WriteRecording(r);
        Decoded d;
        d.head.Load(file);
        d.layout = DescribeSamples(d.head);
        EXPECT_EQ(ProgressRange(d.layout, r.dataLength), expectedRange) << r.model;
        ASSERT_EQ(AllocateTables(d.layout, 0, r.dataLength, file.size(), d.tables).status, AllocateStatus::Ok);
        std::int64_t count = 0;
        DecodeRequest request { d.head, file, d.tables, 0, r.dataLength, [&] { return ++count < 3; }, {} };
        EXPECT_EQ(DecodeSamples(request).status, DecodeStatus::Cancelled) << r.model;
        EXPECT_EQ(count, 3) << r.model; // stops at the step that said no
    };
    // Per point: every 2000 points.
    steps(Make("4170", "41700003", "MEM", 9000, { 0, 1 }, {}, 8), 9000 / 2000 + 1);
    // Channel blocks: (2 channels + 1 logic block) x 9000 / 5000 values.
    steps(Make("3384", "33840001", "MEM", 9000, { 0, 1 }, { 0 }, 9), 3 * 9000 / 5000 + 1);
    // The oldest family: once per channel position.
    steps(Make("3518", "35180001", "MEM", 100, { 0, 1, 2, 3 }, {}, 10, true), 4);
}

} // namespace
} // namespace kp::test
