#include <gtest/gtest.h>

#include "wavefile/ChannelMap.h"

namespace kp {
namespace {

struct Case {
    const char* text;
    FrameValueKind kind;
    int slot;
    std::uint32_t offset;
    int size;
};

TEST(Family9Map, LettersAndTheLogicMarkPickTheTarget)
{
    // Letter, unit (from 1), channel (from 1), spare, logic mark, spare, byte offset.
    const Case cases[] = {
        { "A0102010012", FrameValueKind::Analog16, 1, 12, 2 },
        { "X3208010999", FrameValueKind::Analog16, 255, 999, 2 },
        { "A0103020040", FrameValueKind::LogicWord32, 2, 40, 4 },
        { "L3401020000", FrameValueKind::LogicWord32, 33 * 8, 0, 4 },
        { "H0101010002", FrameValueKind::LogicHalf16, 0, 2, 2 },
        { "H3201010002", FrameValueKind::LogicHalf16, 31, 2, 2 },
        { "H0501020002", FrameValueKind::LogicHalf16, 4, 2, 2 }, // the logic mark does not make "H" a word
        { "W0116010100", FrameValueKind::Float32, 15, 100, 4 },
        { "Z0101010104", FrameValueKind::Float32, 16, 104, 4 },
        { "V0164010108", FrameValueKind::Float32, 95, 108, 4 },
    };
    for (const auto& c : cases) {
        const auto e = ParseFamily9MapEntry(c.text, 3);
        ASSERT_TRUE(e.has_value()) << c.text;
        EXPECT_EQ(e->kind, c.kind) << c.text;
        EXPECT_EQ(e->slot, c.slot) << c.text;
        EXPECT_EQ(e->offset, c.offset) << c.text;
        EXPECT_EQ(e->size, c.size) << c.text;
        EXPECT_EQ(e->index, 3);
        EXPECT_EQ(e->letter, c.text[0]);
    }
}

TEST(Family9Map, NumbersFromOneAndTableBoundsAreEnforced)
{
    for (const char* text :
        { "A0001010000", "A0100010000", "A3301010000" /* analog slot 256 */, "A4501020000" /* logic slot 352 */,
            "H3301010000", "W0117010000", "Z0117010000", "V0165010000", "A01010100", "A0101010A00", " 0101010000" })
        EXPECT_FALSE(ParseFamily9MapEntry(text, 0)) << text;
}

} // namespace
} // namespace kp
