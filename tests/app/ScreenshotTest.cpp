// kp --screenshot renders the main window without a display.
#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"

#include <cstdint>
#include <string>
#include <vector>

#if defined(KP_WITH_GUI)

namespace kp {
namespace {

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at)
{
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24)
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16)
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8)
        | static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

struct ScreenCase {
    std::vector<std::string> screen;
    std::uint32_t width, height;
};

class ScreenshotScreen : public testing::TestWithParam<ScreenCase> { };

// The window is placed as on a first start: four fifths of a large screen,
// the whole of a small one.
TEST_P(ScreenshotScreen, WritesThePngOfARecordingWithoutADisplay)
{
    KP_SKIP_WITHOUT_POSIX_SHELL();
    test::ScratchFolder dir;
    const auto png = dir / "shot.png";
    const auto demo = dir / "DEMO.MEM";
    synth::WriteRecordingFile(synth::DemoRecording(1, 20000), demo);
    std::vector<std::string> arguments = { "--screenshot", png.string(), demo.string() };
    arguments.insert(arguments.end(), GetParam().screen.begin(), GetParam().screen.end());
    const test::ChildResult r
        = test::RunChild(KP_EXECUTABLE, arguments, dir.path(), { "-DISPLAY", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM" });
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string bytes = test::ReadWholeFile(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(bytes, 16), GetParam().width); // IHDR width
    EXPECT_EQ(BigEndian32(bytes, 20), GetParam().height); // IHDR height
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenshotScreen,
    testing::Values(ScreenCase { {}, 1280, 800 }, ScreenCase { { "--screen-size", "1075x750" }, 860, 600 },
        ScreenCase { { "--screen-size", "1024x600" }, 1024, 600 }));

TEST(Screenshot, AScreenSizeThatIsNoSizeIsAUsageError)
{
    test::ScratchFolder dir;
    const test::ChildResult r = test::RunChild(KP_EXECUTABLE,
        { "--screenshot", (dir / "x.png").string(), (dir / "A.MEM").string(), "--screen-size", "big" }, dir.path(),
        { "-DISPLAY" });
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("WIDTHxHEIGHT"), std::string::npos) << r.err;
}

TEST(Screenshot, WithoutARecordingSaysWhereTheDemoComesFrom)
{
    test::ScratchFolder dir;
    const test::ChildResult r = test::RunChild(KP_EXECUTABLE, { "--screenshot", (dir / "x.png").string() }, dir.path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("kp-synth demo"), std::string::npos) << r.err;
}

TEST(Screenshot, ToolWindowsGoBesideTheMainPicture)
{
    test::ScratchFolder dir;
    const auto png = dir / "shot.png";
    const auto demo = dir / "DEMO.MEM";
    synth::WriteRecordingFile(synth::DemoRecording(1, 20000), demo);
    const test::ChildResult r = test::RunChild(
        KP_EXECUTABLE, { "--screenshot", png.string(), demo.string(), "--show", "trace,properties" }, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* name : { "shot-trace.png", "shot-properties.png" })
        EXPECT_EQ(test::ReadWholeFile(dir / name).substr(1, 3), "PNG") << name;
    const test::ChildResult unknown = test::RunChild(
        KP_EXECUTABLE, { "--screenshot", png.string(), demo.string(), "--show", "nothing" }, dir.path());
    EXPECT_NE(unknown.exitCode, 0);
}

TEST(Screenshot, AFileThatCannotBeShownFailsWithAReason)
{
    KP_SKIP_WITHOUT_POSIX_SHELL();
    test::ScratchFolder dir;
    const auto bad = dir.touch("B.MEM", std::string(600, 'x'));
    const test::ChildResult r
        = test::RunChild(KP_EXECUTABLE, { "--screenshot", (dir / "x.png").string(), bad.string() }, dir.path());
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("could not be shown"), std::string::npos) << r.err;
}

} // namespace
} // namespace kp

#endif
