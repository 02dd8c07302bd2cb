// The interactive road from the command line to the settings written at
// exit, with real message boxes answered as a user would.
#include <gtest/gtest.h>

#include "FrameFixtures.h"
#include "app/CKpCommandLineInfo.h"
#include "app/QtKpApp.h"
#include "app/QtSettingsStore.h"
#include "resources/StringTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace kp {
namespace {

using test::Q;
using test::ScratchFolder;

// Presses OK on every message box that comes up, noting its text.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts_ << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start(10);
    }
    const QStringList& texts() const { return texts_; }

private:
    QTimer timer_;
    QStringList texts_;
};

struct AppRun {
    ScratchFolder dir;
    QString settingsFile = Q(dir / "Kp.conf");
    BoxAnswerer boxes;

    // InitInstance with `kp path`, then ExitInstance.
    bool Open(const std::filesystem::path& path, const std::function<void(CKpApp&)>& whileOpen = {})
    {
        CKpCommandLineInfo commandLine;
        commandLine.ParseCommandLine({ path.string() });
        CKpApp app(settingsFile);
        const bool started = app.InitInstance(commandLine);
        if (whileOpen)
            whileOpen(app);
        app.ExitInstance();
        return started;
    }
};

TEST(CKpApp, OpensTheFileNamedOnTheCommandLineAndWritesTheSettingsAtExit)
{
    AppRun run;
    const auto file = test::WriteDemo(run.dir, "A.MEM", 2000);
    QString shownPath;
    EXPECT_TRUE(run.Open(file, [&](CKpApp& app) {
        shownPath = app.GetMainFrame()->GetDocumentPath();
        EXPECT_TRUE(app.GetMainFrame()->isVisible());
        app.GetSettings().thinOut = 7;
        app.GetMainFrame()->close(); // as the user ends the run
    }));
    EXPECT_EQ(shownPath, Q(file));
    EXPECT_TRUE(run.boxes.texts().isEmpty());
    QtSettingsStore stored(run.settingsFile);
    EXPECT_EQ(stored.readInt("Save", "ThinOut", 0), 7);
    EXPECT_EQ(stored.readText("Recent File List", "File1", ""), file.string());
}

TEST(CKpApp, AFileThatCannotBeOpenedIsExplainedOnce)
{
    AppRun run;
    const auto notRecording = run.dir.touch("NOT_A_RECORDING.MEM", std::string(600, 'x'));
    EXPECT_FALSE(run.Open(notRecording));
    EXPECT_EQ(run.boxes.texts(),
        QStringList { QString::fromStdString(KpFormat(IDS_NOT_WAVEFORM_FILE, notRecording.string())) });

    const auto missing = run.dir / "MISSING.MEM";
    EXPECT_FALSE(run.Open(missing));
    ASSERT_EQ(run.boxes.texts().size(), 2);
    EXPECT_EQ(
        run.boxes.texts()[1].toStdString(), std::string(KpString(IDS_UNABLE_TO_OPEN)) + "\n\n" + missing.string());
    // The settings are written on this road as well.
    EXPECT_TRUE(std::filesystem::exists(run.dir / "Kp.conf"));
}

} // namespace
} // namespace kp
