#include <gtest/gtest.h>

#include "app/CompanionHandOff.h"
#include "app/KpSettings.h"
#include "platform/UserMessages.h"
#include "support/ScratchFolder.h"

namespace kp {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

const std::string k4019
    = "This file is Memory Stripcorder's waveform file.\n\nPlease select the execution file of Stripview. ";
const std::string k4020 = "Could not start Stripview.";

TEST(CompanionHandOff, FindsTheCompanionBesideTheProgramThenOnThePath)
{
    ScratchFolder dir;
    const fs::path beside = dir.touch("bin/" + CompanionFileName());
    const fs::path onPath = dir.touch("path2/" + CompanionFileName());
    const std::string path = (dir / "path1").string() + ":" + ":" + (dir / "path2").string();
#if !defined(_WIN32)
    EXPECT_EQ(CompanionCandidates(dir / "bin", path), (std::vector<fs::path> { beside, onPath }));
    EXPECT_EQ(CompanionCandidates(dir / "none", path), std::vector<fs::path> { onPath });
#endif
    EXPECT_TRUE(CompanionCandidates({}, "").empty());
}

struct Case {
    const char* name;
    bool storedExists;
    bool candidateExists;
    bool chooserPicks;
    bool startWorks;
    int expectedStartedWith; // 0 none, 1 stored, 2 candidate, 3 chosen
    std::vector<std::string> expectedMessages;
    bool storedChanges;
};

TEST(CompanionHandOff, StartsTheFirstCompanionFoundOrAsksForIt)
{
    const Case cases[] = {
        { "stored", true, true, false, true, 1, {}, false },
        { "stored fails", true, false, false, false, 1, { k4020 }, false },
        { "candidate", false, true, false, true, 2, {}, false },
        { "chosen", false, false, true, true, 3, { k4019 }, true },
        { "chosen fails", false, false, true, false, 3, { k4019, k4020 }, true },
        { "chooser cancelled", false, false, false, true, 0, { k4019 }, false },
    };
    for (const Case& c : cases) {
        ScratchFolder dir;
        const fs::path stored = c.storedExists ? dir.touch("stored") : dir / "gone";
        const fs::path candidate = dir.touch("candidate");
        const fs::path chosen = dir.touch("chosen");
        KpSettings settings = KpSettings::Defaults();
        settings.stripApp = stored.string();
        RecordingMessages messages;
        std::vector<std::pair<fs::path, fs::path>> started;
        CompanionHandOff handOff(
            settings, messages,
            [&](const fs::path& program, const fs::path& file) {
                started.emplace_back(program, file);
                return c.startWorks;
            },
            [&] { return c.chooserPicks ? chosen : fs::path(); },
            [&] { return c.candidateExists ? std::vector<fs::path> { candidate } : std::vector<fs::path> {}; });
        handOff.HandOff(dir / "LOG.MEM");
        const fs::path programs[] = { {}, stored, candidate, chosen };
        if (c.expectedStartedWith == 0) {
            EXPECT_TRUE(started.empty()) << c.name;
        } else {
            ASSERT_EQ(started.size(), 1u) << c.name;
            EXPECT_EQ(started[0].first, programs[c.expectedStartedWith]) << c.name;
            EXPECT_EQ(started[0].second, dir / "LOG.MEM") << c.name;
        }
        std::vector<std::string> shown;
        for (const auto& m : messages.shown())
            shown.push_back(m.text);
        EXPECT_EQ(shown, c.expectedMessages) << c.name;
        EXPECT_EQ(settings.stripApp, (c.storedChanges ? chosen : stored).string()) << c.name;
        EXPECT_EQ(handOff.HandedOff(), c.expectedStartedWith != 0 && c.startWorks) << c.name;
    }
}

} // namespace
} // namespace kp
