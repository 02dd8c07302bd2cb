// Chunked recordings whose block chain would cost far more than the file's
// size: the load is refused instead of spending time in proportion to
// blocks x points.
#include <gtest/gtest.h>

#include "IndexTestFiles.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "synth/DemoRecordings.h"
#include "synth/Family5Writer.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

namespace kp::test {
namespace {

using kp::testing::TempFolder;
using kp::testing::WriteBytes;

// Slot 1 in the second data set, whose period is 8 s against 1 us: each of
// its frames stands for millions of points (as many as the range holds).
synth::ChunkedFileBlueprint CoarseSetBlueprint(std::int64_t points)
{
    synth::Recording r = synth::FamilySampleRecording(HeaderFamily::Family5, "MEM", 8, 1);
    r.logicUnits.clear();
    r.analog.resize(2);
    for (auto& a : r.analog)
        a.primary.assign(8, 5);
    synth::Family5Options options;
    options.analogSet = { { r.analog[1].slot, 1 } };
    options.periods[1].mantissa = 8;
    options.periods[1].exponent = 0;
    synth::ChunkedFileBlueprint blueprint = synth::DescribeFamily5File(r, options);
    blueprint.main.fields[6] = std::to_string(points);
    return blueprint;
}

TEST(MalformedChunked, BlocksFillingTheSamePointsOverAndOverAreRefused)
{
    constexpr std::int64_t kPoints = 400000;
    synth::ChunkedFileBlueprint blueprint = CoarseSetBlueprint(kPoints);
    const auto coarse = std::find_if(
        blueprint.blocks.begin(), blueprint.blocks.end(), [](const auto& b) { return b.indexByte == 1; });
    ASSERT_NE(coarse, blueprint.blocks.end());
    synth::ChunkBlockBlueprint again = *coarse;
    again.startPoint = 0;
    again.frameCount = 1;
    // Each block's one frame covers all points; 900 of them would write the
    // range 900 times over.
    for (int i = 0; i < 900; ++i)
        blueprint.blocks.push_back(again);

    TempFolder folder;
    const auto path = folder / "OVERLAP.MEM";
    WriteBytes(path, synth::WriteChunkedFile(blueprint).bytes);
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CKpDoc doc(messages, progress, blockFiles);
    EXPECT_FALSE(doc.OnOpenDocument(path));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, KpFormat(IDS_FILE_TOO_SHORT, path.string()));
    EXPECT_FALSE(doc.IsLoaded());
}

TEST(MalformedChunked, CoarseFramesCoveringTheRangeOnceStillLoad)
{
    // The same coarse set without the repeated blocks: every point once.
    constexpr std::int64_t kPoints = 8;
    TempFolder folder;
    const auto path = folder / "COARSE.MEM";
    WriteBytes(path, synth::WriteChunkedFile(CoarseSetBlueprint(kPoints)).bytes);
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CKpDoc doc(messages, progress, blockFiles);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace kp::test
