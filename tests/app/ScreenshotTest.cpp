// kp --screenshot renders the main window without a display.
#include <gtest/gtest.h>

#include "support/ChildProcess.h"
#include "support/ScratchFolder.h"

#include <cstdint>
#include <string>

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

TEST(Screenshot, WritesThePngOfTheDemoRecordingWithoutADisplay)
{
    KP_SKIP_WITHOUT_POSIX_SHELL();
    test::ScratchFolder dir;
    const auto png = dir / "shot.png";
    const test::ChildResult r = test::RunChild(KP_EXECUTABLE, { "--screenshot", png.string() }, dir.path(),
        { "-DISPLAY", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM" });
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string bytes = test::ReadWholeFile(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(BigEndian32(bytes, 16), 860u); // IHDR width
    EXPECT_EQ(BigEndian32(bytes, 20), 600u); // IHDR height
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
