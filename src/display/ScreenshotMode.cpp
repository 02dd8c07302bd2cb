#include "display/ScreenshotMode.h"

#include "wavefile/BlockFileList.h"
#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "view/Magnification.h"
#include "platform/ProgressWindow.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "synth/DemoRecordings.h"
#include "synth/RecordingWriter.h"
#include "view/StartPlacement.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace kp {

namespace {

constexpr const char* kSwitch = "--screenshot";
constexpr const char* kScreenSizeSwitch = "--screen-size";
constexpr const char* kDefaultScreenSize = "1600x1000";

// One screen of the given size, without window frames, so that the picture
// is the window's own area.
bool WriteOffscreenConfig(const QString& path, const ScreenRect& screen)
{
    QJsonObject one;
    one[QStringLiteral("name")] = QStringLiteral("screenshot");
    one[QStringLiteral("x")] = 0;
    one[QStringLiteral("y")] = 0;
    one[QStringLiteral("width")] = screen.width;
    one[QStringLiteral("height")] = screen.height;
    one[QStringLiteral("logicalDpi")] = 96;
    one[QStringLiteral("logicalBaseDpi")] = 96;
    one[QStringLiteral("dpr")] = 1;
    QJsonObject config;
    config[QStringLiteral("screens")] = QJsonArray { one };
    config[QStringLiteral("windowFrameMargins")] = false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(config).toJson()) > 0;
}

// The black-background scheme's wave colours.
void ApplyBlackScheme(KpSettings& s)
{
    s.waveCharColor = { 255, 255, 0 };
    s.waveBackColor = { 0, 0, 0 };
    s.waveGridColor = { 192, 192, 192 };
    s.title = { { 255, 255, 0 }, { 0, 0, 0 }, s.title.font };
}

// The demo's channels swing over the whole height; laid out one above the
// other, as a user would with the control panel, they can be told apart.
void StackAnalogChannels(CKpView& view)
{
    const ViewRecord* record = view.GetRecord();
    if (!record || record->analog.size() < 2)
        return;
    const int n = static_cast<int>(record->analog.size());
    // The logic channels keep their place at the bottom (two fifths at most);
    // the analog channels share the rest.
    const double top = 1.0, bottom = record->logic.empty() ? -1.0 : -0.15;
    const double band = (top - bottom) / n;
    ChannelDisplayState& channels = view.Channels();
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(record->analog[static_cast<std::size_t>(k)].index);
        channels.analog.zoom[i] = band * 0.45;
        channels.analog.position[i] = top - band * (k + 0.5);
    }
    view.ChannelsEdited();
}

} // namespace

bool IsScreenshotRequest(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kSwitch) == 0)
            return true;
    }
    return false;
}

int RunScreenshot(int argc, char** argv)
{
    QString out, file;
    std::string_view screenSize = kDefaultScreenSize;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kScreenSizeSwitch) == 0 && i + 1 < argc) {
            screenSize = argv[++i];
        } else if (std::strcmp(argv[i], kSwitch) == 0) {
            if (i + 1 < argc)
                out = QString::fromLocal8Bit(argv[++i]);
            if (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0)
                file = QString::fromLocal8Bit(argv[++i]);
        }
    }
    if (out.isEmpty()) {
        std::fputs("kp: --screenshot needs the name of the PNG to write\n", stderr);
        return 2;
    }
    const std::optional<ScreenRect> screen = ParseScreenSize(screenSize);
    if (!screen) {
        std::fprintf(stderr, "kp: --screen-size takes WIDTHxHEIGHT, for example %s\n", kDefaultScreenSize);
        return 2;
    }
    // The window is placed by the rules of an interactive start, on a screen
    // of the asked size: the offscreen platform is given that one screen.
    QTemporaryDir platformDir;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const QString config = platformDir.filePath(QStringLiteral("screen.json"));
        if (!platformDir.isValid() || !WriteOffscreenConfig(config, *screen)) {
            std::fputs("kp: no temporary folder for the screen description\n", stderr);
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }
    int qtArgc = 1;
    char* qtArgv[] = { argv[0], nullptr };
    QApplication app(qtArgc, qtArgv);
    std::setlocale(LC_NUMERIC, "C");

    QTemporaryDir temp;
    if (file.isEmpty()) {
        if (!temp.isValid()) {
            std::fputs("kp: no temporary folder for the demo recording\n", stderr);
            return 1;
        }
        file = temp.filePath(QStringLiteral("DEMO.MEM"));
        try {
            synth::WriteRecordingFile(synth::DemoRecording(), file.toStdString());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "kp: the demo recording could not be written: %s\n", e.what());
            return 1;
        }
    }

    MemorySettingsStore store;
    KpSettings settings = KpSettings::Defaults();
    ApplyBlackScheme(settings);
    SilentMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CMainFrame frame(FrameServices { settings, store, messages, progress, blockFiles, QFont() });
    frame.ShowWithSavedState();
    QApplication::processEvents();
    if (!frame.OpenDocumentFile(QFileInfo(file).absoluteFilePath())) {
        std::fprintf(stderr, "kp: %s could not be shown%s%s\n", file.toLocal8Bit().constData(),
            messages.lastText().empty() ? "" : ": ", messages.lastText().c_str());
        return 1;
    }
    // Close enough to tell the shapes apart; the cursors inside the window.
    CKpView& view = frame.View();
    const Magnification& m = view.GetMagnification();
    int index = view.GetHighestIndex();
    while (index > 0 && m.pointsPerColumn(index) < 50)
        --index;
    view.SetMagnificationIndex(index);
    StackAnalogChannels(view);
    const std::int64_t ppc = view.PointsPerColumn();
    view.SetCursors(100 * ppc, 500 * ppc);
    QApplication::processEvents();
    if (!frame.grab().save(out, "PNG")) {
        std::fprintf(stderr, "kp: %s could not be written\n", out.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace kp
