// Chunked-family files that end early or describe sizes that cannot be read:
// what is kept, what ends the block chain, what is refused before any read.
#include <gtest/gtest.h>

#include <random>

#include "Family5TestFiles.h"
#include "support/SeededRandom.h"
#include "wavefile/ChunkFormat.h"

namespace kp {
namespace {

using synth::ChunkBlockBlueprint;
using synth::ChunkedFileBlueprint;

// Six points of slot 0 (codes 1-6) in two blocks of three one-value frames.
ChunkedFileBlueprint TwoBlocks()
{
    ChunkedFileBlueprint blueprint = test5::BareBlueprint(6, { 0 }, { test5::Frame(0, false, { { 1, 2, 0, 0 } }) });
    for (std::uint32_t b = 0; b < 2; ++b) {
        ChunkBlockBlueprint block;
        block.startPoint = 3 * b;
        block.frameCount = 3;
        for (std::uint8_t k = 1; k <= 3; ++k)
            block.frames.insert(block.frames.end(), { static_cast<std::uint8_t>(3 * b + k), 0 });
        blueprint.blocks.push_back(block);
    }
    return blueprint;
}

std::vector<std::uint16_t> Slot0(const test5::Loaded& loaded)
{
    return loaded.tables.analog[0].primary;
}

TEST(Family5Chain, AFirstBlockWithAnotherTagLeavesAllocatedZeroChannels)
{
    ChunkedFileBlueprint blueprint = TwoBlocks();
    blueprint.blocks[0].tag = "LXIIWBLX";
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(loaded.result.status, DecodeStatus::Complete);
    EXPECT_TRUE(loaded.tables.analog[0].saved);
    EXPECT_EQ(Slot0(loaded), std::vector<std::uint16_t>(6, 0));
}

TEST(Family5Chain, AParameterChunkOfAnotherTagEndsTheWalkWithWhatWasRead)
{
    ChunkedFileBlueprint blueprint = TwoBlocks();
    blueprint.blocks[1].paramTag = "SX__BLKQ";
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(loaded.result.status, DecodeStatus::Complete);
    EXPECT_EQ(Slot0(loaded), (std::vector<std::uint16_t> { 1, 2, 3, 0, 0, 0 }));
}

TEST(Family5Chain, BlocksOfSetsWithoutADescriptionArePassedOver)
{
    ChunkedFileBlueprint blueprint = TwoBlocks();
    blueprint.blocks[0].indexByte = 1; // no frame description of index 1
    blueprint.blocks[1].subKind = chunk::kSecondPairSubKind;
    ChunkBlockBlueprint third = TwoBlocks().blocks[1];
    third.indexByte = 2; // no such data set
    blueprint.blocks.push_back(third);
    blueprint.blocks.push_back(TwoBlocks().blocks[1]);
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(loaded.result.status, DecodeStatus::Complete);
    EXPECT_EQ(Slot0(loaded), (std::vector<std::uint16_t> { 0, 0, 0, 4, 5, 6 }));
}

TEST(Family5Chain, WithoutDescriptionOrDataChunkNothingIsRead)
{
    ChunkedFileBlueprint noData = TwoBlocks();
    noData.writeData = false;
    ChunkedFileBlueprint noMain = TwoBlocks();
    noMain.frames.clear();
    noMain.infos[0].writeMain = false;
    for (const auto& blueprint : { noData, noMain }) {
        test5::Loaded loaded;
        test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
        EXPECT_EQ(loaded.result.status, DecodeStatus::Complete);
        EXPECT_EQ(Slot0(loaded), std::vector<std::uint16_t>(6, 0));
    }
}

TEST(Family5Chain, AFileEndingInsideABlockKeepsTheWholeFramesBeforeTheEnd)
{
    const auto file = synth::WriteChunkedFile(TwoBlocks());
    auto bytes = file.bytes;
    bytes.resize(file.blockOffsets[1] + 64 + 2 * 2 + 1); // two frames and a half of block 2
    test5::Loaded loaded;
    test5::Load(loaded, bytes);
    EXPECT_EQ(loaded.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(Slot0(loaded), (std::vector<std::uint16_t> { 1, 2, 3, 4, 5, 0 }));

    // Cut inside the second block's header.
    bytes.resize(file.blockOffsets[1] + 40);
    test5::Loaded header;
    test5::Load(header, bytes);
    EXPECT_EQ(header.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(Slot0(header), (std::vector<std::uint16_t> { 1, 2, 3, 0, 0, 0 }));

    // Every block read, but the chain never ends: no point is missing.
    ChunkedFileBlueprint open = TwoBlocks();
    open.endChain = false;
    test5::Loaded unended;
    test5::Load(unended, synth::WriteChunkedFile(open).bytes);
    EXPECT_EQ(unended.result.status, DecodeStatus::Complete);
    EXPECT_EQ(Slot0(unended), (std::vector<std::uint16_t> { 1, 2, 3, 4, 5, 6 }));
}

struct MalformedCase {
    const char* name;
    void (*change)(ChunkedFileBlueprint&);
};

class Family5Malformed : public ::testing::TestWithParam<MalformedCase> { };

TEST_P(Family5Malformed, IsRefusedBeforeAnythingIsReadFromIt)
{
    ChunkedFileBlueprint blueprint = TwoBlocks();
    GetParam().change(blueprint);
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(loaded.result.status, DecodeStatus::Refused) << GetParam().name;
    EXPECT_FALSE(loaded.result.detail.empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, Family5Malformed,
    ::testing::Values(MalformedCase { "block size 0", [](ChunkedFileBlueprint& s) { s.blocks[0].size = 0; } },
        MalformedCase { "block smaller than its headers", [](ChunkedFileBlueprint& s) { s.blocks[1].size = 63; } },
        MalformedCase { "frames past the block size", [](ChunkedFileBlueprint& s) { s.blocks[0].size = 64 + 5; } },
        MalformedCase {
            "frame count past the block", [](ChunkedFileBlueprint& s) { s.blocks[1].frameCount = 0xFFFFFFFF; } },
        MalformedCase {
            "data offset past the block", [](ChunkedFileBlueprint& s) { s.blocks[0].dataOffset = 0xFFFFFFF0; } },
        MalformedCase { "entry past the frame", [](ChunkedFileBlueprint& s) { s.frames[0].frameSize = 1; } },
        MalformedCase { "pair secondary past the frame",
            [](ChunkedFileBlueprint& s) {
                s.frames[0].entries = { { 3, 2, 0, 0 } };
                s.frames[0].frameSize = 3;
            } },
        MalformedCase {
            "more entries than the description holds", [](ChunkedFileBlueprint& s) { s.frames[0].entryCount = 40; } },
        MalformedCase { "table offset not a number",
            [](ChunkedFileBlueprint& s) {
                s.extraToc.push_back({ "LWBBWDAT", "0x10" });
            } }),
    [](const ::testing::TestParamInfo<MalformedCase>& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            name += c == ' ' ? '_' : c;
        return name;
    });

TEST(Family5Chain, ChunksBeyondTheEndMakeAShortFile)
{
    // The data chunk beyond the end: nothing to read.
    ChunkedFileBlueprint blueprint = TwoBlocks();
    blueprint.writeData = false;
    blueprint.extraToc.push_back({ "LWBBWDAT", "00FFFFFF" });
    test5::Loaded beyond;
    test5::Load(beyond, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(beyond.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(Slot0(beyond), std::vector<std::uint16_t>(6, 0));

    // Another information chunk beyond the end: the data is read all the same.
    blueprint = TwoBlocks();
    blueprint.extraToc.push_back({ "LWBBWINF", "00FFFFFF" });
    test5::Loaded extra;
    test5::Load(extra, synth::WriteChunkedFile(blueprint).bytes);
    EXPECT_EQ(extra.result.status, DecodeStatus::ShortFile);
    EXPECT_EQ(Slot0(extra), (std::vector<std::uint16_t> { 1, 2, 3, 4, 5, 6 }));

    // Cut inside the information chunk: only the header records remain whole.
    const auto file = synth::WriteChunkedFile(TwoBlocks());
    test5::Loaded cut;
    test5::Load(cut,
        std::vector<std::uint8_t>(
            file.bytes.begin(), file.bytes.begin() + static_cast<std::ptrdiff_t>(file.infoOffsets[0] + 50)));
    EXPECT_EQ(cut.result.status, DecodeStatus::ShortFile);
}

TEST(Family5Chain, ABlockRangeLeavesTheRestOfTheChainUnstored)
{
    test5::Loaded loaded;
    test5::Load(loaded, synth::WriteChunkedFile(TwoBlocks()).bytes, 2, 3);
    EXPECT_EQ(loaded.result.status, DecodeStatus::Complete);
    EXPECT_EQ(Slot0(loaded), (std::vector<std::uint16_t> { 3, 4, 5 }));
}

TEST(Family5Chain, CorruptedChunksEndInAResultNotAFault)
{
    // Seeded corruptions of everything after the header records: every load
    // must come back with one of its results (the sanitizer build checks that
    // no byte outside the file is read).
    ChunkedFileBlueprint blueprint = TwoBlocks();
    blueprint.frames[0].entries = { { 3, 2, 0, 0 }, { 4, 4, 0, 0 }, { 19, 32, 0, 8 }, { 32, 2, 1, 0 } };
    blueprint.main.fields[4] = "REC";
    for (auto& b : blueprint.blocks)
        b.frames.assign(b.frameCount * synth::ChunkFrameBytes(blueprint.frames[0].entries), 0x5A);
    const auto file = synth::WriteChunkedFile(blueprint);
    auto random = test::SeededRandom(5595);
    for (int round = 0; round < 400; ++round) {
        auto bytes = file.bytes;
        std::uniform_int_distribution<std::size_t> at(file.infoOffsets[0], bytes.size() - 1);
        const int changes = 1 + round % 4;
        for (int c = 0; c < changes; ++c)
            bytes[at(random)] = static_cast<std::uint8_t>(random());
        if (round % 5 == 0)
            bytes.resize(at(random));
        test5::Loaded loaded;
        test5::Load(loaded, bytes);
        EXPECT_TRUE(loaded.result.status == DecodeStatus::Complete || loaded.result.status == DecodeStatus::ShortFile
            || loaded.result.status == DecodeStatus::Refused)
            << round;
    }
}

} // namespace
} // namespace kp
