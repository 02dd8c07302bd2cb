// Opening the chunked family through the document: a block index leads to the
// first listed file that exists, and that file loads with its channel marks.
#include <gtest/gtest.h>

#include "Family5TestFiles.h"
#include "IndexTestFiles.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "support/SampleRoundTrip.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

namespace kp::test {
namespace {

TEST(Family5Document, AnIndexOpensItsFirstExistingFile)
{
    kp::testing::TempFolder folder;
    synth::Recording r = Make("5595", "55950103", "MEM", 4000, { 0, 21 }, { 1 }, 55);
    synth::Family5Options options;
    options.analogSet = { { 21, 1 } };
    kp::testing::WriteBytes(folder / "B0002.MEM", synth::WriteFamily5(r, options));
    kp::testing::WriteBytes(folder / "A.IDX",
        synth::WriteChunkedFile(synth::ChunkedIndexBlueprint("5595", { "B0001.MEM", "B0002.MEM" })).bytes);

    RecordingMessages messages;
    CBlockFileList blocks;
    ScriptedProgress progress(&messages);
    CKpDoc doc(messages, progress, blocks);
    ASSERT_TRUE(doc.OnOpenDocument(folder / "A.IDX"));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(doc.GetFileKind(), 3);
    EXPECT_EQ(doc.GetTitle(), "B0002.MEM");
    EXPECT_EQ(doc.GetHeaderFamily(), HeaderFamily::Family5);
    EXPECT_EQ(doc.GetAnalog(21).primary, r.analog[1].primary);
    EXPECT_EQ(doc.GetLogicGroups().groups[0].primary[99], ExpectedGroupWord(r, 5, 0, 99, false));
    EXPECT_EQ(doc.GetHeadInfo().GetChannelName(21, 2), "CH2-6*");
    // One step per 2000 frames of either data set.
    EXPECT_EQ(progress.steps(), 4);
}

} // namespace
} // namespace kp::test
