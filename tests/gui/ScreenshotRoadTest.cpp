// kp --screenshot shows what the interactive program shows: the same
// recording painted through both roads gives the same pixels.
#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "app/QtFontDescription.h"
#include "app/QtKpApp.h"
#include "display/ScreenshotMode.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

namespace kp::test {
namespace {

// The window CKpApp opens for a file, with the settings of an empty store.
QImage InteractivePicture(const QString& file)
{
    MemorySettingsStore store;
    KpSettings settings = LoadSettings(store, SystemColoursFromPalette());
    RecordingMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CMainFrame frame(
        FrameServices { settings, store, messages, progress, blockFiles, FontFromDescription(settings.waveFont) });
    EXPECT_TRUE(frame.OpenDocumentFile(file));
    frame.ShowWithSavedState();
    QApplication::processEvents();
    return frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage ScreenshotPicture(const QString& file, const QString& out)
{
    QProcess kp;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The offscreen platform as this test's own window has it (its screen
    // and window frames): the screenshot road then places its window on the
    // same screen by the same rules. Only a plain "offscreen" would be given
    // the screenshot's own screen description.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:default"));
    kp.setProcessEnvironment(env);
    kp.start(QStringLiteral(KP_EXECUTABLE), { QStringLiteral("--screenshot"), out, file });
    EXPECT_TRUE(kp.waitForFinished(60000));
    EXPECT_EQ(kp.exitCode(), 0) << kp.readAllStandardError().toStdString();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

TEST(ScreenshotRoad, PaintsThePixelsOfTheInteractiveWindow)
{
    ScratchFolder dir;
    const QString demo = Q(WriteDemo(dir, "DEMO.MEM"));
    const QImage shot = ScreenshotPicture(demo, Q(dir / "shot.png"));
    const QImage window = InteractivePicture(demo);
    ASSERT_FALSE(shot.isNull());
    ASSERT_EQ(shot.size(), window.size());
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            differing += shot.pixel(x, y) != window.pixel(x, y);
    }
    if (differing != 0) {
        shot.save(QStringLiteral("ScreenshotRoad.screenshot.png"));
        window.save(QStringLiteral("ScreenshotRoad.window.png"));
    }
    EXPECT_EQ(differing, 0) << "see ScreenshotRoad.screenshot.png and ScreenshotRoad.window.png in the working folder";
}

TEST(ScreenshotRequest, PanesAndToolWindowsByNameAndNothingElse)
{
    auto parse = [](std::vector<std::string> args) {
        std::vector<char*> argv { const_cast<char*>("kp") };
        for (std::string& a : args)
            argv.push_back(a.data());
        return ParseScreenshotRequest(static_cast<int>(argv.size()), argv.data());
    };
    const ScreenshotRequest ok
        = parse({ "--screenshot", "out/shot.png", "D.MEM", "--show", "gauge,control", "--scheme", "black" });
    EXPECT_TRUE(ok.error.isEmpty()) << ok.error.toStdString();
    EXPECT_EQ(ok.show, (QStringList { "gauge", "control" }));
    EXPECT_EQ(ok.scheme, 1);
    EXPECT_EQ(ToolWindowPicturePath(ok.out, QStringLiteral("control")), QStringLiteral("out/shot-control.png"));
    EXPECT_FALSE(parse({ "--screenshot", "s.png", "D.MEM", "--show", "nothing" }).error.isEmpty());
    EXPECT_FALSE(parse({ "--screenshot", "s.png", "D.MEM", "--scheme", "pink" }).error.isEmpty());
    EXPECT_FALSE(parse({ "--screenshot", "s.png" }).error.isEmpty());
}

} // namespace
} // namespace kp::test
