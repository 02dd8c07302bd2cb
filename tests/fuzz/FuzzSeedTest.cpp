// The fuzzers' seeds: every one goes through every entry cleanly, and each
// reaches deep into the reader (a recording loads, an index opens a listed
// file), so the fuzzers start from inputs that exercise the decoders.
#include <gtest/gtest.h>

#include <set>

#include "FuzzBundle.h"
#include "FuzzEntries.h"
#include "FuzzFolder.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "synth/DemoRecordings.h"
#include "synth/FuzzSeeds.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

namespace kp {
namespace {

TEST(FuzzBundle, SplitsWhatJoinWrote)
{
    const std::vector<std::uint8_t> opened { 'H', 'I', 'S', 0, 1, 2 };
    const std::vector<std::uint8_t> a { 1, 2, 3 }, b {};
    const auto joined = fuzz::JoinBundle(opened, { { "A.MEM", a }, { "B.MEM", b } });
    const fuzz::Bundle bundle = fuzz::SplitBundle(joined);
    EXPECT_EQ(std::vector<std::uint8_t>(bundle.opened.begin(), bundle.opened.end()), opened);
    ASSERT_EQ(bundle.companions.size(), 2u);
    EXPECT_EQ(bundle.companions[0].name, "A.MEM");
    EXPECT_EQ(std::vector<std::uint8_t>(bundle.companions[0].bytes.begin(), bundle.companions[0].bytes.end()), a);
    EXPECT_EQ(bundle.companions[1].name, "B.MEM");
    EXPECT_TRUE(bundle.companions[1].bytes.empty());
}

TEST(FuzzBundle, NamesThatWouldLeaveTheFolderAreDropped)
{
    const std::vector<std::uint8_t> none;
    const auto joined = fuzz::JoinBundle({},
        { { "../X", none }, { "/etc/x", none }, { ".hidden", none }, { "", none }, { "OPENED.DAT", none },
            { "OK", none }, { "OK", none }, { std::string(41, 'A'), none }, { "A\\B", none } });
    const fuzz::Bundle bundle = fuzz::SplitBundle(joined);
    ASSERT_EQ(bundle.companions.size(), 1u);
    EXPECT_EQ(bundle.companions[0].name, "OK");
}

TEST(FuzzSeeds, CoverEveryFamilyFunctionAndIndexLayout)
{
    const auto seeds = synth::FuzzSeeds();
    std::set<std::string> names;
    int indexes = 0;
    for (const auto& s : seeds) {
        names.insert(s.name);
        indexes += s.name.starts_with("index-") ? 1 : 0;
    }
    for (int family = 0; family <= 9; ++family) {
        const std::string prefix = "family" + std::to_string(family) + "-";
        EXPECT_TRUE(names.contains(prefix + "MEM-long.MEM")) << family;
        for (const std::string function : { "MEM", "REC", "RMS" })
            for (const char* mix : { "both", "analog", "logic" })
                EXPECT_EQ(names.contains(prefix + function + "-" + mix + ".MEM"),
                    synth::FamilyKeepsFunction(HeaderFamily { family }, function))
                    << prefix + function + "-" + mix;
    }
    EXPECT_GE(indexes, 9);
}

TEST(FuzzSeeds, RunCleanlyThroughEveryEntry)
{
    for (const auto& seed : synth::FuzzSeeds()) {
        const auto bytes = fuzz::JoinBundle(seed.opened, seed.companions);
        for (const auto& entry : fuzz::Entries()) {
            SCOPED_TRACE(seed.name + " through " + entry.name);
            EXPECT_NO_THROW(entry.run(bytes.data(), bytes.size()));
        }
    }
}

TEST(FuzzSeeds, OpenAsDocuments)
{
    for (const auto& seed : synth::FuzzSeeds()) {
        SCOPED_TRACE(seed.name);
        const auto bytes = fuzz::JoinBundle(seed.opened, seed.companions);
        const auto path = fuzz::FuzzFolder::Instance().writeBundle(fuzz::SplitBundle(bytes));
        RecordingMessages messages;
        NullProgress progress;
        CBlockFileList blockFiles;
        CKpDoc doc(messages, progress, blockFiles);
        // An index whose files are all missing opens nothing; one that lists
        // itself first opens itself as a recording, which it is not.
        const bool refused = seed.name == "index-missing.SEQ" || seed.name == "index-self.SEQ";
        EXPECT_EQ(doc.OnOpenDocument(path), !refused);
        if (!refused) {
            EXPECT_TRUE(messages.shown().empty()) << messages.shown().front().text;
        }
    }
}

} // namespace
} // namespace kp
