#include <gtest/gtest.h>

#include "support/HeaderBytes.h"
#include "wavefile/CWaveHeadInfo.h"
#include "wavefile/ChannelMap.h"

namespace kp {
namespace {

FrameEntry Expect(FrameValueKind kind, int slot, std::uint32_t offset, int size, int slotCount = 1)
{
    FrameEntry e;
    e.kind = kind;
    e.slot = slot;
    e.slotCount = slotCount;
    e.offset = offset;
    e.size = size;
    return e;
}

void ExpectEntry(std::string_view text, const FrameEntry& expected)
{
    const auto entry = ParseFamily8MapEntry(text, 7);
    ASSERT_TRUE(entry.has_value()) << text;
    FrameEntry want = expected;
    want.index = 7;
    want.letter = text[1];
    EXPECT_EQ(*entry, want) << text;
}

TEST(Family8Map, KindLettersPickTheirTables)
{
    // "1", letter, width, unit digit, two channel digits, three spare, offset in words.
    ExpectEntry("1A121400003", Expect(FrameValueKind::Analog16, 2 * 15 + 14, 6, 2));
    ExpectEntry("1A210100010", Expect(FrameValueKind::LogicWord32, 15 + 1, 20, 4));
    ExpectEntry("1I100000001", Expect(FrameValueKind::LogicHalf16, 0, 2, 2));
    ExpectEntry("1P100100099", Expect(FrameValueKind::Pulse16, 1, 198, 2));
    ExpectEntry("1S200700004", Expect(FrameValueKind::Float32, 7, 8, 4));
    ExpectEntry("1W230100012", Expect(FrameValueKind::LogicWord32, 256 + 7, 24, 4));
    ExpectEntry("1R200000012", Expect(FrameValueKind::LogicWord32, 256, 24, 4));
}

TEST(Family8Map, CanUnitsContinueAfterTheBuiltInLogic)
{
    // CAN unit c lands in half c + 1: group (c + 1) / 2, high half for even c.
    for (int c = 0; c < 4; ++c) {
        const std::string text = "1C1" + std::to_string(c) + "0000005";
        ExpectEntry(text, Expect(FrameValueKind::LogicHalf16, c + 1, 10, 2));
    }
    EXPECT_FALSE(ParseFamily8MapEntry("1C140000005", 0));
}

TEST(Family8Map, GpsEntriesCountChannelsFromTwo)
{
    ExpectEntry("1G200200000", Expect(FrameValueKind::LogicWord32, 240, 0, 4));
    ExpectEntry("1G220300000", Expect(FrameValueKind::LogicWord32, 245, 0, 4));
    ExpectEntry("1G230200000", Expect(FrameValueKind::GpsSplit32, 246, 0, 4, 3));
    ExpectEntry("1G230300000", Expect(FrameValueKind::GpsSplit32, 249, 0, 4, 4));
    EXPECT_FALSE(ParseFamily8MapEntry("1G200100000", 0)); // channel 1 - 2 < 0
    EXPECT_FALSE(ParseFamily8MapEntry("1G240200000", 0)); // entry 8
}

TEST(Family8Map, UnusedMalformedAndOutOfRangeEntriesAreDropped)
{
    for (const char* text : { "", "0A100000001", "1A10000000", "1A1X0000001", "1A10000000Y", "1Q100000001",
             "1A140000001" /* unit 4: beyond the 60 analog slots */, "1P100200001", "1S100800001", "1W140000001" })
        EXPECT_FALSE(ParseFamily8MapEntry(text, 0)) << text;
}

TEST(Family8Map, MapIsReadFromThirtyEntriesPerRecord)
{
    using synth::RecordBlueprint;
    RecordBlueprint first { "HW-002", { { 2, "1A100000001" }, { 31, "1A100100002" } }, {} };
    RecordBlueprint second { "HW-002", { { 2, "1A100200003" }, { 3, "garbage" } }, {} };
    RecordBlueprint wave1 { "HW-001", { { 8, "64" } }, {} };
    const auto bytes = test::HeaderBytes(
        RecordBlueprint { "HW", { { 2, "QX3013" }, { 4, "MEM" }, { 9, "QX301301" } }, {} }, { wave1, first, second });
    CWaveHeadInfo head;
    ASSERT_TRUE(head.Load(bytes));
    EXPECT_EQ(ReadFrameSize(head), 64);
    EXPECT_EQ(MapEntryText(head, 29), "1A100100002");
    EXPECT_EQ(MapEntryText(head, 30), "1A100200003");
    EXPECT_EQ(MapEntryText(head, 119), "");
    const auto map = ReadChannelMap(head);
    ASSERT_EQ(map.size(), 3u);
    EXPECT_EQ(map[0].index, 0);
    EXPECT_EQ(map[1].index, 29);
    EXPECT_EQ(map[1].slot, 1);
    EXPECT_EQ(map[2].index, 30);
    EXPECT_EQ(map[2].offset, 6u);
}

TEST(Family8Map, GpsSplitComesFromTheGpsHeader)
{
    HeaderRecord hq {};
    EXPECT_EQ(GpsSplitOf(nullptr, 246).mask, 0xFFFFFFFFu);
    EXPECT_EQ(GpsSplitOf(nullptr, 246).shift, 0);
    auto put
        = [&](int field, const std::string& text) { std::copy(text.begin(), text.end(), hq.begin() + 12 * field); };
    put(0, "HQ");
    put(2 + 2 * 0, "3FF00000");
    put(3 + 2 * 0, "20");
    put(2 + 2 * 6, "0x1");
    put(3 + 2 * 6, "40"); // no such shift: the value is kept unshifted
    EXPECT_EQ(GpsSplitOf(&hq, 246).mask, 0x3FF00000u);
    EXPECT_EQ(GpsSplitOf(&hq, 246).shift, 20);
    EXPECT_EQ(GpsSplitOf(&hq, 252).mask, 1u);
    EXPECT_EQ(GpsSplitOf(&hq, 252).shift, 0);
    EXPECT_EQ(GpsSplitOf(&hq, 247).mask, 0xFFFFFFFFu); // empty mask field
    EXPECT_EQ(GpsSplitOf(&hq, 245).mask, 0xFFFFFFFFu); // not a split slot
}

} // namespace
} // namespace kp
