// The chunked family's header side: table of contents, stored information
// chunks, sub-chunk look-up, sampling periods, per-channel settings.
#include <gtest/gtest.h>

#include <cmath>

#include "Family5TestFiles.h"
#include "interpret/Family5Scaling.h"
#include "wavefile/ChunkFormat.h"
#include "wavefile/ChunkFrameLayout.h"

namespace kp {
namespace {

using synth::ChunkedFileBlueprint;
using synth::ChunkInfoBlueprint;
using synth::RawSubChunkBlueprint;
using synth::WriteChunkedFile;

ChunkedFileBlueprint TwoInfos()
{
    ChunkedFileBlueprint blueprint = test5::BareBlueprint(
        10, { 0 }, { test5::Frame(0, false, { { 1, 2, 0, 0 } }), test5::Frame(1, false, { { 1, 2, 0, 1 } }) });
    blueprint.infos[0].extra.push_back({ "SX__WCMN", 0, 0, { 1, 2, 3 } });
    blueprint.infos[1].extra.push_back({ "SX__WCMN", 1, 0, { 4, 5, 6 } });
    return blueprint;
}

TEST(Family5Header, StoresInformationChunksPerIndexByteAndTheDataOffset)
{
    const auto file = WriteChunkedFile(TwoInfos());
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(file.bytes));
    EXPECT_EQ(head.GetChunkProblem(), "");
    EXPECT_EQ(head.GetChunkInfoCount(), 2);
    ASSERT_EQ(head.GetChunkInfoArea(1).size(), file.dataOffset - file.infoOffsets[1]);
    EXPECT_TRUE(std::equal(head.GetChunkInfoArea(1).begin(), head.GetChunkInfoArea(1).end(),
        file.bytes.begin() + static_cast<std::ptrdiff_t>(file.infoOffsets[1])));
    EXPECT_EQ(head.GetChunkDataOffset(0), file.dataOffset);
    EXPECT_FALSE(head.GetChunkDataOffset(1).has_value());

    const auto common1 = head.Retrieve5595ChunkInfo("SX__WCMN", 1, 0);
    ASSERT_TRUE(common1.has_value());
    EXPECT_EQ(common1->area, 1);
    EXPECT_EQ(common1->size, 19u);
    ASSERT_TRUE(common1->Has(16, 3));
    EXPECT_EQ(common1->bytes[16], 4);
    EXPECT_FALSE(head.Retrieve5595ChunkInfo("SX__WCMN", 1, 98).has_value());
    EXPECT_FALSE(head.Retrieve5595ChunkInfo("SXL_LWMN", 0, 0).has_value());
}

TEST(Family5Header, FindsSubChunksByTagIndexAndSubKindBehindLongHeaders)
{
    ChunkedFileBlueprint blueprint = test5::BareBlueprint(10, { 0 }, { test5::Frame(0, false, { { 1, 2, 0, 0 } }) });
    std::vector<std::uint8_t> events(40, 0x11);
    blueprint.infos[0].extra
        = { { "LX__EVNT", 0, 0, events }, { "SSACUNIT", 0, 98, { 7 } }, { "SSACUNIT", 1, 98, { 8 } } };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));

    const auto event = head.Retrieve5595ChunkInfo("LX__EVNT", 0, 0);
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->size, 60u);
    EXPECT_EQ(event->paramOffset, 20u);
    const auto unit = head.Retrieve5595ChunkInfo("SSACUNIT", 1, 98);
    ASSERT_TRUE(unit.has_value());
    EXPECT_EQ(unit->bytes[16], 8);
    EXPECT_FALSE(head.Retrieve5595ChunkInfo("SSACUNIT", 0, 0).has_value());
}

TEST(Family5Header, AnEmptyTocTagEndsTheTableEvenBeforeFilledEntries)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.emptyTocEntryAt = 1; // after the first information chunk
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(head.GetChunkInfoCount(), 1);
    EXPECT_TRUE(head.GetChunkInfoArea(1).empty());
    EXPECT_FALSE(head.GetChunkDataOffset(0).has_value());
}

TEST(Family5Header, TheTableRunsOnIntoFurtherTocRecords)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    for (int i = 0; i < 25; ++i) // entries of chunks this reader does not follow
        blueprint.leadingToc.push_back({ "SX__WCMN", "00000000" });
    const auto file = WriteChunkedFile(blueprint);
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(file.bytes));
    EXPECT_EQ(head.RecordsTagged("HM").size(), 2u);
    EXPECT_EQ(head.GetChunkInfoCount(), 2);
    EXPECT_EQ(head.GetChunkDataOffset(0), file.dataOffset);
}

TEST(Family5Header, IgnoresOversizeInformationChunksAndIndexBytesFromTwo)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.infos[1].padTo = chunk::kMaxInfoChunkSize + 1;
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(head.GetChunkInfoCount(), 1);
    EXPECT_TRUE(head.GetChunkInfoArea(1).empty());
    EXPECT_EQ(head.GetChunkProblem(), "");

    blueprint.infos[1].padTo = chunk::kMaxInfoChunkSize; // the largest that is kept
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(head.GetChunkInfoArea(1).size(), chunk::kMaxInfoChunkSize);

    blueprint.infos[1].padTo = 0;
    blueprint.infos[1].indexByte = 2;
    blueprint.frames.pop_back();
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(head.GetChunkInfoCount(), 1);
    EXPECT_FALSE(head.Retrieve5595ChunkInfo("SX__WCMN", 1, 0).has_value());
}

TEST(Family5Header, ChunksThatTheTableCannotReachAreNoted)
{
    struct Case {
        const char* what;
        synth::ChunkTocEntryBlueprint entry;
        bool beyondTheEnd;
    } cases[] = {
        { "beyond the end", { "LWBBWDAT", "7FFFFFF0" }, true },
        { "offset not a number", { "LWBBWINF", "12G4" }, false },
        { "another chunk there", { "LWBBWDAT", "00000000" }, false },
    };
    for (const auto& c : cases) {
        ChunkedFileBlueprint blueprint = TwoInfos();
        blueprint.extraToc.push_back(c.entry);
        CWaveHeadInfo head;
        ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes)) << c.what;
        EXPECT_EQ(head.GetChunkProblem().empty(), c.beyondTheEnd) << c.what;
        EXPECT_EQ(head.GetChunkTruncation().empty(), !c.beyondTheEnd) << c.what;
    }

    // An information chunk whose size runs past the end of the file.
    auto file = WriteChunkedFile(TwoInfos());
    file.bytes.resize(file.infoOffsets[1] + 40);
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(file.bytes));
    EXPECT_EQ(head.GetChunkProblem(), "");
    EXPECT_NE(head.GetChunkTruncation().find("past the end"), std::string::npos) << head.GetChunkTruncation();
    EXPECT_TRUE(head.GetChunkInfoArea(1).empty());
}

TEST(Family5Header, OtherFamiliesHaveNoChunks)
{
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(TwoInfos()).bytes));
    ChunkedFileBlueprint other = TwoInfos();
    other.main.fields[9] = "41700101";
    ASSERT_TRUE(head.Load(WriteChunkedFile(other).bytes));
    EXPECT_EQ(head.GetHeaderFamily(), HeaderFamily::Family1);
    EXPECT_EQ(head.GetChunkInfoCount(), 0);
    EXPECT_FALSE(head.Retrieve5595ChunkInfo("SX__WCMN", 0, 0).has_value());
    EXPECT_FALSE(head.GetChunkDataOffset(0).has_value());
}

struct PeriodCase {
    const char* unit;
    std::uint16_t mantissa;
    std::int8_t exponent;
    double seconds;
};

class Family5Period : public ::testing::TestWithParam<PeriodCase> { };

TEST_P(Family5Period, CombinesMantissaExponentAndUnit)
{
    const PeriodCase c = GetParam();
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.infos[1].period = { c.mantissa, c.exponent, c.unit };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_NEAR(head.GetChunkSamplingPeriod(1), c.seconds, c.seconds * 1e-12) << c.unit;
    EXPECT_NEAR(head.GetChunkSamplingPeriod(0), 1e-6, 1e-18);
}

INSTANTIATE_TEST_SUITE_P(EveryUnitText, Family5Period,
    ::testing::Values(PeriodCase { "sec", 5, -3, 0.005 }, PeriodCase { "min", 2, 0, 120.0 },
        PeriodCase { "hour", 1, 0, 3600.0 }, PeriodCase { "day", 3, 0, 259200.0 },
        PeriodCase { "week", 1, 0, 604800.0 }, PeriodCase { "month", 1, 0, 2592000.0 },
        PeriodCase { "year", 1, 1, 315360000.0 }, PeriodCase { "HOUR", 2, 0, 7200.0 }, PeriodCase { "Min", 1, 0, 60.0 },
        PeriodCase { "ms", 7, -1, 0.7 }, PeriodCase { "", 25, -2, 0.25 }));

TEST(Family5Header, AMissingMainSubChunkGivesPeriodOne)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.frames.pop_back();
    blueprint.infos[1].writeMain = false;
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(head.GetChunkSamplingPeriod(1), 1.0);
}

TEST(Family5Header, RepetitionFactorIsTheTruncatedRatioOfThePeriods)
{
    auto factor = [](ChunkSamplingPeriod p0, ChunkSamplingPeriod p1) { return ChunkRepetitionFactor(p0, p1); };
    EXPECT_EQ(factor({ 1, -6, 1 }, { 10, -6, 1 }), 10);
    EXPECT_EQ(factor({ 1, -6, 1 }, { 1, -5, 1 }), 10);
    EXPECT_EQ(factor({ 3, -7, 1 }, { 1, -6, 1 }), 3); // 3.33...
    EXPECT_EQ(factor({ 1, 0, 1 }, { 1, 0, 60 }), 60); // 1 s and 1 min
    EXPECT_EQ(factor({ 1, -3, 1 }, { 1, -1, 1 }), 100);
    EXPECT_EQ(factor({ 0, 0, 1 }, { 5, 0, 1 }), 1); // a zero period leaves frames alone
    // A finer index 1 would stand for no point at all: one point per frame.
    EXPECT_EQ(factor({ 10, -6, 1 }, { 1, -6, 1 }), 1);
    EXPECT_EQ(factor({ 1, -100, 1 }, { 65535, 100, 31536000 }), kMaxRepetition);
}

TEST(Family5Header, PerChannelSettingsComeFromTheChannelSubChunk)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.infos[0].channels = {
        { 17, 1, 0.0125, -2.5, 1280, -32768, "HRS", "~u~eV" },
        { 18, 0, 9.0, 9.0, 9, 9, "HRS", "x" }, // not in use
        { 19, 1, 1.0, 0.0, 1600, 0, "OFF", "" },
    };
    blueprint.infos[1].channels = { { 20, 1, 2.0, 1.0, 800, 100, "hr", "A" } };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));

    const auto ch17 = head.GetChunkChannelSettings(17); // unit 1, channel 1
    ASSERT_TRUE(ch17.has_value());
    EXPECT_EQ(ch17->valuePerCode, 0.0125);
    EXPECT_EQ(ch17->offset, -2.5);
    EXPECT_EQ(ch17->displayCodesPerDiv, 1280);
    EXPECT_EQ(ch17->zeroCode, -32768);
    EXPECT_EQ(ch17->unitText, "~u~eV");
    EXPECT_TRUE(ch17->HasPrecisionMark());
    EXPECT_FALSE(head.GetChunkChannelSettings(18).has_value());
    EXPECT_FALSE(head.GetChunkChannelSettings(19)->HasPrecisionMark());
    const auto ch20 = head.GetChunkChannelSettings(20); // from the index-1 table
    ASSERT_TRUE(ch20.has_value());
    EXPECT_EQ(ch20->displayCodesPerDiv, 800);
    EXPECT_FALSE(ch20->HasPrecisionMark()); // two letters
    EXPECT_FALSE(head.GetChunkChannelSettings(21).has_value());
    EXPECT_FALSE(head.GetChunkChannelSettings(352).has_value());

    ChunkChannelSettings mark;
    for (const char* text : { "off", "Off", "H1S", "HRSX", "" }) {
        mark.precisionMark = text;
        EXPECT_FALSE(mark.HasPrecisionMark()) << text;
    }
    mark.precisionMark = "ons";
    EXPECT_TRUE(mark.HasPrecisionMark());
}

TEST(Family5Header, ScalingAnswersFallBackWithoutASettingsEntry)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.infos[0].channels = { { 3, 1, 0.5, 12.0, 0, 0x1234, "HRS", "mV" } };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(family5::StoredValuePerCode(head, 3), 0.5);
    EXPECT_EQ(family5::StoredOffset(head, 3), 12.0);
    EXPECT_FALSE(family5::DisplayCodesPerDiv(head, 3).has_value()); // a stored 0 is no division height
    EXPECT_EQ(family5::ZeroCode(head, 3), 0x1234);
    EXPECT_TRUE(family5::WantsMoreDigits(head, 3));
    EXPECT_EQ(family5::StoredUnitText(head, 3), "mV");

    EXPECT_EQ(family5::StoredValuePerCode(head, 4), 1.0);
    EXPECT_EQ(family5::StoredOffset(head, 4), 0.0);
    EXPECT_EQ(family5::ZeroCode(head, 4), -32768);
    EXPECT_FALSE(family5::WantsMoreDigits(head, 4));
}

TEST(Family5Header, TheChannelAccessorsUseTheSettingsEntries)
{
    ChunkedFileBlueprint blueprint = TwoInfos();
    blueprint.records
        = { { "HC", { { 1, "4" }, { 28, "50.0" }, { 41, "2000" } }, {} }, { "HC", { { 1, "5" }, { 22, "~cC" } }, {} } };
    blueprint.infos[0].channels
        = { { 3, 1, 0.5, 12.0, 1280, 0x1234, "HRS", "mV" }, { 4, 1, 1.0, 0.0, 0, 7, "OFF", "A" } };
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(3), 0.25); // x the vernier of 50 %
    EXPECT_DOUBLE_EQ(head.GetOffsetValue(3), 6.0);
    EXPECT_EQ(head.GetZeroCode(3), 0x1234);
    EXPECT_EQ(head.GetDisplayCodesPerDiv(3), 1280);
    EXPECT_EQ(head.GetDisplayDigits(3), 7);
    EXPECT_EQ(head.GetUnitText(3), "mV");
    EXPECT_EQ(head.GetDisplayCodesPerDiv(4), head.GetCodesPerDiv(4)); // stored 0
    EXPECT_EQ(head.GetDisplayDigits(4), 5);
    EXPECT_EQ(head.GetUnitText(4), "C"); // the text record's own unit comes first
    EXPECT_EQ(head.GetZeroCode(5), -32768);
    EXPECT_DOUBLE_EQ(head.GetValuePerCode(5), 1.0);
}

TEST(Family5Header, ChannelsOfTheSecondDataSetAreMarked)
{
    ChunkedFileBlueprint blueprint = test5::BareBlueprint(10, { 0 },
        { test5::Frame(0, false, { { 1, 2, 0, 3 }, { 17, 16, 1, 0 } }),
            test5::Frame(1, false, { { 1, 2, 2, 5 }, { 2, 2, 0, 0 } }), test5::Frame(1, true, { { 5, 2, 3, 3 } }) });
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(WriteChunkedFile(blueprint).bytes));
    EXPECT_EQ(head.GetChunkChannelSet(3), 0);
    for (int s = 16; s < 24; ++s)
        EXPECT_EQ(head.GetChunkChannelSet(s), 0) << s;
    EXPECT_EQ(head.GetChunkChannelSet(37), 1);
    EXPECT_EQ(head.GetChunkChannelSet(51), -1); // type 5 entries do not take the set
    for (int u = 0; u < 4; ++u)
        EXPECT_EQ(head.GetChunkLogicUnitSet(u), 1) << u;
    EXPECT_EQ(head.GetChunkLogicUnitSet(4), -1);
    EXPECT_EQ(head.GetChunkChannelSet(0), -1);

    // The names mark what the second data set carries.
    EXPECT_EQ(head.GetChannelName(37, 2), "CH3-6*");
    EXPECT_EQ(head.GetChannelName(3, 2), "CH1-4");
    EXPECT_EQ(head.GetChannelName(37, 0), "CH3-6");
    EXPECT_EQ(head.GetLogicChannelName(1, 3), "LA2*");
    EXPECT_EQ(head.GetLogicChannelName(16, 3), "LE1");

    // A reload without a second set drops the marks.
    ASSERT_TRUE(head.Load(
        WriteChunkedFile(test5::BareBlueprint(10, { 0 }, { test5::Frame(0, false, { { 1, 2, 2, 5 } }) })).bytes));
    EXPECT_EQ(head.GetChannelName(37, 2), "CH3-6");
}

} // namespace
} // namespace kp
