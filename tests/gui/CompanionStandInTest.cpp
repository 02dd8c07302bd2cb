#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "display/CKpView.h"
#include "export/ExportRecordings.h"

#include <QElapsedTimer>
#include <QTest>

#include <fstream>

namespace kp {
namespace {

using test::FrameHarness;
using test::Q;
using test::ReadWholeFile;
using test::ScratchFolder;

#if !defined(_WIN32)
TEST(CompanionHandOff, ALoggerFileGoesToTheStoredCompanionAndTheDocumentStaysClosed)
{
    ScratchFolder dir;
    // A stand-in companion that writes down its arguments.
    const auto standIn = dir / "StripApp";
    std::ofstream(standIn) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" \"$0.args\"\n";
    std::filesystem::permissions(standIn, std::filesystem::perms::owner_all);
    synth::Recording logger = test::ExportFamily1(100);
    logger.model = "7712";
    logger.version = "4170";
    synth::WriteRecordingFile(logger, dir / "LOG.MEM");

    FrameHarness h;
    h.settings.stripApp = standIn.string();
    h.Create();
    EXPECT_FALSE(h.frame->OpenDocumentFile(Q(dir / "LOG.MEM")));
    EXPECT_FALSE(h.frame->View().IsLoaded());
    EXPECT_TRUE(h.messages.shown().empty());
    const auto args = dir / "StripApp.args";
    QElapsedTimer clock;
    clock.start();
    while (!std::filesystem::exists(args) && clock.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_EQ(ReadWholeFile(args), (dir / "LOG.MEM").string() + "\n");
}
#endif

} // namespace
} // namespace kp
