// Every channel entry type of a frame description, with frames built by hand:
// where each value is read and which table it lands in.
#include <gtest/gtest.h>

#include "Family5TestFiles.h"

namespace kp {
namespace {

using synth::ChunkBlockBlueprint;
using synth::ChunkEntryBlueprint;

enum class Target { AnalogPrimary, AnalogSecondary, LogicPrimary, LogicSecondary };

// The value of `target` at every point is the 16-bit word at `byte` of that
// point's frame.
struct Expect {
    Target target;
    int slot;
    std::size_t byte;
};

struct EntryCase {
    const char* name;
    std::vector<ChunkEntryBlueprint> entries;
    std::uint16_t frameSize;
    std::vector<Expect> expects;
};

// Frame k's bytes: distinct in every frame and position.
std::vector<std::uint8_t> Frames(std::size_t count, std::size_t frameSize)
{
    std::vector<std::uint8_t> bytes(count * frameSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + i / frameSize * 13 + 1) & 0xFF);
    return bytes;
}

std::uint16_t WordAt(
    const std::vector<std::uint8_t>& frames, std::size_t frame, std::size_t frameSize, std::size_t byte)
{
    const std::size_t at = frame * frameSize + byte;
    return static_cast<std::uint16_t>(frames[at] | (frames[at + 1] << 8));
}

class Family5Entry : public ::testing::TestWithParam<EntryCase> { };

TEST_P(Family5Entry, ReadsItsValuesFromTheirPlaceInTheFrame)
{
    const EntryCase& c = GetParam();
    constexpr std::size_t kFrames = 3;
    std::vector<int> slots;
    for (int s = 0; s < 352; ++s)
        slots.push_back(s);
    auto frame = test5::Frame(0, false, c.entries);
    frame.frameSize = c.frameSize;
    auto blueprint = test5::BareBlueprint(kFrames, slots, { frame }, "REC");
    ChunkBlockBlueprint block;
    block.frameCount = kFrames;
    block.frames = Frames(kFrames, c.frameSize);
    blueprint.blocks = { block };

    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    ASSERT_EQ(loaded.result.status, DecodeStatus::Complete) << loaded.result.detail;

    // Every table that no expectation names stays zero.
    std::vector<std::vector<std::uint16_t>> analogP(352, std::vector<std::uint16_t>(kFrames, 0));
    auto analogS = analogP;
    std::vector<std::uint32_t> logicP(kFrames, 0), logicS(kFrames, 0);
    for (const Expect& e : c.expects) {
        for (std::size_t k = 0; k < kFrames; ++k) {
            const std::uint16_t v = WordAt(block.frames, k, c.frameSize, e.byte);
            switch (e.target) {
            case Target::AnalogPrimary:
                analogP[static_cast<std::size_t>(e.slot)][k] = v;
                break;
            case Target::AnalogSecondary:
                analogS[static_cast<std::size_t>(e.slot)][k] = v;
                break;
            case Target::LogicPrimary:
                logicP[k] = v;
                break;
            case Target::LogicSecondary:
                logicS[k] = v;
                break;
            }
        }
    }
    for (std::size_t s = 0; s < 352; ++s) {
        EXPECT_EQ(loaded.tables.analog[s].primary, analogP[s]) << c.name << " slot " << s;
        EXPECT_EQ(loaded.tables.analog[s].secondary, analogS[s]) << c.name << " slot " << s;
    }
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].primary, logicP) << c.name;
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].secondary, logicS) << c.name;
}

using T = Target;

std::vector<Expect> Run(Target t, int firstSlot, std::size_t firstByte, int count = 8)
{
    std::vector<Expect> out;
    for (int k = 0; k < count; ++k)
        out.push_back({ t, firstSlot + k, firstByte + 2 * static_cast<std::size_t>(k) });
    return out;
}

std::vector<Expect> Join(std::vector<Expect> a, const std::vector<Expect>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(Types, Family5Entry,
    ::testing::Values(
        // Type 1 moves on by its byte size; slot = unit x 16 + channel.
        EntryCase {
            "1", { { 1, 4, 0, 3 }, { 1, 2, 2, 1 } }, 6, { { T::AnalogPrimary, 3, 0 }, { T::AnalogPrimary, 33, 4 } } },
        EntryCase {
            "2", { { 2, 2, 0, 0 }, { 1, 2, 0, 1 } }, 4, { { T::LogicPrimary, 0, 0 }, { T::AnalogPrimary, 1, 2 } } },
        // Type 3: the secondary lies 2 x (entries) bytes after the primary.
        EntryCase { "3", { { 3, 2, 0, 0 }, { 3, 2, 0, 1 }, { 7, 2, 0, 0 } }, 12,
            { { T::AnalogPrimary, 0, 0 }, { T::AnalogSecondary, 0, 6 }, { T::AnalogPrimary, 1, 2 },
                { T::AnalogSecondary, 1, 8 }, { T::LogicPrimary, 0, 4 } } },
        EntryCase { "5 and 6", { { 5, 2, 0, 4 }, { 6, 2, 0, 4 } }, 4,
            { { T::AnalogPrimary, 4, 0 }, { T::AnalogSecondary, 4, 2 } } },
        EntryCase { "7 and 8", { { 8, 2, 0, 0 }, { 7, 2, 0, 0 } }, 4,
            { { T::LogicSecondary, 0, 0 }, { T::LogicPrimary, 0, 2 } } },
        EntryCase { "17", { { 17, 16, 1, 2 }, { 1, 2, 0, 0 } }, 18,
            Join(Run(T::AnalogPrimary, 18, 0), { { T::AnalogPrimary, 0, 16 } }) },
        // Type 19 moves on by half its size; its secondaries lie 32 bytes on.
        EntryCase { "19", { { 19, 32, 0, 0 }, { 19, 32, 0, 8 } }, 64,
            Join(Join(Run(T::AnalogPrimary, 0, 0), Run(T::AnalogSecondary, 0, 32)),
                Join(Run(T::AnalogPrimary, 8, 16), Run(T::AnalogSecondary, 8, 48))) },
        EntryCase { "21 and 22", { { 21, 0, 2, 0 }, { 22, 0, 2, 0 } }, 32,
            Join(Run(T::AnalogPrimary, 32, 0), Run(T::AnalogSecondary, 32, 16)) },
        // Calculation entries name slot 256 + unit; the channel byte plays no part.
        EntryCase { "32 and 33", { { 32, 2, 3, 9 }, { 33, 4, 95, 0 }, { 1, 2, 0, 0 } }, 8,
            { { T::AnalogPrimary, 259, 0 }, { T::AnalogPrimary, 351, 2 }, { T::AnalogPrimary, 0, 6 } } },
        // Other types store nothing and take no room.
        EntryCase { "others", { { 9, 2, 0, 0 }, { 1, 2, 0, 0 }, { 34, 2, 0, 0 }, { 0, 2, 0, 0 }, { 1, 2, 0, 1 } }, 4,
            { { T::AnalogPrimary, 0, 0 }, { T::AnalogPrimary, 1, 2 } } },
        // Runs and calculation units past the last slot keep the slots that exist.
        EntryCase { "past the slots", { { 17, 16, 21, 12 }, { 32, 2, 96, 0 } }, 18, Run(T::AnalogPrimary, 348, 0, 4) }),
    [](const ::testing::TestParamInfo<EntryCase>& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// Type 4: a logic pair whose primary word is carried over from the previous
// pair entry (0 before the first); the carried word is built from the sign of
// the entry's value (high half) and the 16 bits after it (low half).
struct Pair {
    std::uint16_t value;
    std::uint16_t next;
};

std::vector<std::uint8_t> PairFrames(const std::vector<std::vector<Pair>>& frames)
{
    std::vector<std::uint8_t> bytes;
    for (const auto& frame : frames) {
        for (const Pair& p : frame) {
            for (std::uint16_t w : { p.value, p.next }) {
                bytes.push_back(static_cast<std::uint8_t>(w));
                bytes.push_back(static_cast<std::uint8_t>(w >> 8));
            }
        }
    }
    return bytes;
}

synth::ChunkedFileBlueprint PairBlueprint(
    const std::vector<std::vector<std::vector<Pair>>>& blocks, std::int64_t length)
{
    const std::size_t entries = blocks.front().front().size();
    auto blueprint = test5::BareBlueprint(
        length, {}, { test5::Frame(0, false, std::vector<ChunkEntryBlueprint>(entries, { 4, 4, 0, 0 })) }, "REC");
    std::uint32_t start = 0;
    for (const auto& frames : blocks) {
        ChunkBlockBlueprint block;
        block.startPoint = start;
        block.frameCount = static_cast<std::uint32_t>(frames.size());
        block.frames = PairFrames(frames);
        blueprint.blocks.push_back(block);
        start += block.frameCount;
    }
    return blueprint;
}

TEST(Family5LogicPair, CarriesTheWordAcrossFramesAndBlocks)
{
    const auto blueprint = PairBlueprint({ { { { 0x1234, 0xAAAA } }, { { 0x8001, 0x5555 } }, { { 0x0002, 0x0F0F } } },
                                             { { { 0xFFFF, 0x0001 } }, { { 0x0000, 0x0000 } } } },
        5);
    const auto bytes = synth::WriteChunkedFile(blueprint).bytes;
    test5::Loaded loaded;
    test5::Load(loaded, bytes);
    ASSERT_EQ(loaded.result.status, DecodeStatus::Complete);
    const std::vector<std::uint32_t> primary { 0, 0x0000AAAA, 0xFFFF5555, 0x00000F0F, 0xFFFF0001 };
    const std::vector<std::uint32_t> secondary { 0x1234, 0x8001, 0x0002, 0xFFFF, 0x0000 };
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].primary, primary);
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].secondary, secondary);

    // A range that starts in the second block still sees the word carried
    // out of the first.
    test5::Loaded part;
    test5::Load(part, bytes, 3, 2);
    EXPECT_EQ(part.tables.logicGroups.groups[0].primary, (std::vector<std::uint32_t> { 0x00000F0F, 0xFFFF0001 }));
    test5::Loaded middle;
    test5::Load(middle, bytes, 2, 1);
    EXPECT_EQ(middle.tables.logicGroups.groups[0].primary, (std::vector<std::uint32_t> { 0xFFFF5555 }));
}

TEST(Family5LogicPair, ChainsThroughSeveralEntriesOfOneFrame)
{
    const auto blueprint = PairBlueprint(
        { { { { 0x8000, 0x1111 }, { 0x0003, 0x2222 } }, { { 0x0004, 0x3333 }, { 0x7FFF, 0x4444 } } } }, 2);
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    ASSERT_EQ(loaded.result.status, DecodeStatus::Complete);
    // The later entry of a frame writes last.
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].primary, (std::vector<std::uint32_t> { 0xFFFF1111, 0x00003333 }));
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].secondary, (std::vector<std::uint32_t> { 0x0003, 0x7FFF }));
}

TEST(Family5LogicPair, UnderMemOnlyThePrimaryWordExists)
{
    auto blueprint = PairBlueprint({ { { { 0x8001, 0x0042 } }, { { 0x0001, 0x0000 } } } }, 2);
    blueprint.main.fields[4] = "MEM";
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(loaded.tables.logicGroups.groups[0].primary, (std::vector<std::uint32_t> { 0, 0xFFFF0042 }));
    EXPECT_TRUE(loaded.tables.logicGroups.groups[0].secondary.empty());
}

} // namespace
} // namespace kp
