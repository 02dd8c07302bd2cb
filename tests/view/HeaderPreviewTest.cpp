#include <gtest/gtest.h>

#include "export/ExportRecordings.h"
#include "support/ScratchFolder.h"
#include "view/HeaderPreview.h"

namespace kp {
namespace {

using test::ScratchFolder;

TEST(HeaderPreview, SavedChannelRunsAreCompressed)
{
    struct Case {
        std::uint16_t mask;
        bool first;
        const char* expected;
    };
    const Case cases[] = {
        { 0xE800, true, " A1-A3,A5" }, // 1, 2, 3, 5
        { 0x0300, true, " A7,A8" },
        { 0xFFFF, true, " A1-A16" },
        { 0x0001, true, " A16" },
        { 0x8001, false, ",A1,A16" },
        { 0xD5B7, true, " A1,A2,A4,A6,A8,A9,A11,A12,A14-A16" },
        { 0x0000, true, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompressChannelMask(c.mask, 'A', c.first), c.expected) << std::hex << c.mask;
}

TEST(HeaderPreview, ShowsTheHeaderFactsOfARecordingAndNothingForOtherFiles)
{
    ScratchFolder dir;
    synth::WriteRecordingFile(test::ExportFamily1(200), dir / "A.MEM");
    const auto p = ReadHeaderPreview(dir / "A.MEM");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->fileName, "A.MEM");
    EXPECT_EQ(p->title, "Test run");
    EXPECT_EQ(p->function, "MEM");
    EXPECT_EQ(p->trigDate, "24-06-11");
    EXPECT_EQ(p->trigTime, "12:34:56");
    EXPECT_EQ(p->sampling, "7.812ms"); // 7.8125 ms, rounded as printf rounds
    EXPECT_EQ(p->savedChannels[0], " A1,A3");
    EXPECT_EQ(p->savedChannels[1], "");
    EXPECT_EQ(p->savedChannels[2], " L1");

    EXPECT_FALSE(ReadHeaderPreview(dir.path()));
    EXPECT_FALSE(ReadHeaderPreview(dir.touch("B.MEM", std::string(700, 'x'))));
    EXPECT_FALSE(ReadHeaderPreview(dir / "missing.MEM"));
}

} // namespace
} // namespace kp
