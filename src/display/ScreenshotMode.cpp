#include "display/ScreenshotMode.h"

#include "app/KpSettings.h"
#include "app/QtFontDescription.h"
#include "app/QtKpApp.h"
#include "display/CMainFrame.h"
#include "display/LookCommands.h"
#include "display/ToolWindowPictures.h"
#include "platform/ProgressWindow.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "view/StartPlacement.h"
#include "wavefile/BlockFileList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace kp {

namespace {

constexpr const char* kSwitch = "--screenshot";

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

// Panes are switched on in the main picture, as Ctrl+T, Ctrl+G and Ctrl+R do.
const QStringList& PaneNames()
{
    static const QStringList names { QStringLiteral("title"), QStringLiteral("gauge"), QStringLiteral("remarks") };
    return names;
}

void ShowPane(CMainFrame& frame, const QString& name)
{
    if (name == PaneNames()[0])
        frame.SetTitleShown(true);
    else if (name == PaneNames()[1])
        frame.SetGaugeShown(true);
    else if (name == PaneNames()[2])
        frame.SetRemarkShown(true);
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

ScreenshotRequest ParseScreenshotRequest(int argc, char** argv)
{
    ScreenshotRequest r;
    QStringList plain;
    bool seen = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kSwitch) == 0) {
            seen = true;
        } else if (std::strcmp(argv[i], "--show") == 0) {
            if (i + 1 >= argc) {
                r.error = QStringLiteral("--show needs a list of windows");
                return r;
            }
            for (const QString& name : QString::fromLocal8Bit(argv[++i]).split(u',', Qt::SkipEmptyParts))
                r.show << name.trimmed();
        } else if (std::strcmp(argv[i], "--screen-size") == 0) {
            if (i + 1 >= argc) {
                r.error = QStringLiteral("--screen-size takes WIDTHxHEIGHT, for example 1600x1000");
                return r;
            }
            r.screenSize = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--scheme") == 0) {
            if (i + 1 >= argc) {
                r.error = QStringLiteral("--scheme needs black or white");
                return r;
            }
            const QString scheme = QString::fromLocal8Bit(argv[++i]);
            r.scheme = scheme == QStringLiteral("black") ? 1 : scheme == QStringLiteral("white") ? 2 : -1;
            if (r.scheme < 0) {
                r.error = QStringLiteral("--scheme needs black or white");
                return r;
            }
        } else if (seen) {
            plain << QString::fromLocal8Bit(argv[i]);
        }
    }
    if (plain.size() != 2) {
        r.error = QStringLiteral("--screenshot needs the PNG to write and the recording to show "
                                 "(kp-synth demo DEMO.MEM writes the demo recording)");
        return r;
    }
    r.out = plain[0];
    r.file = plain[1];
    for (const QString& name : r.show) {
        if (!IsToolWindowName(name) && !PaneNames().contains(name)) {
            r.error = QStringLiteral("--show: no pane or tool window named \"%1\" (%2)")
                          .arg(name, (PaneNames() + ToolWindowNames()).join(QStringLiteral(", ")));
            return r;
        }
    }
    return r;
}

QString ToolWindowPicturePath(const QString& out, const QString& name)
{
    const QFileInfo info(out);
    const QString base = info.completeBaseName() + u'-' + name;
    return info.dir().filePath(info.suffix().isEmpty() ? base : base + u'.' + info.suffix());
}

int RunScreenshot(int argc, char** argv)
{
    const ScreenshotRequest request = ParseScreenshotRequest(argc, argv);
    if (!request.error.isEmpty()) {
        std::fprintf(stderr, "kp: %s\n", request.error.toLocal8Bit().constData());
        return 2;
    }
    const std::optional<ScreenRect> screen = ParseScreenSize(request.screenSize.toStdString());
    if (!screen) {
        std::fputs("kp: --screen-size takes WIDTHxHEIGHT, for example 1600x1000\n", stderr);
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

    // As the interactive program starts with an empty store.
    MemorySettingsStore store;
    KpSettings settings = LoadSettings(store, SystemColoursFromPalette());
    SilentMessages messages;
    NullProgress progress;
    CBlockFileList blockFiles;
    CMainFrame frame(
        FrameServices { settings, store, messages, progress, blockFiles, FontFromDescription(settings.waveFont) });
    if (!frame.OpenDocumentFile(QFileInfo(request.file).absoluteFilePath())) {
        std::fprintf(stderr, "kp: %s could not be shown%s%s\n", request.file.toLocal8Bit().constData(),
            messages.lastText().empty() ? "" : ": ", messages.lastText().c_str());
        return 1;
    }
    frame.ShowWithSavedState();
    for (const QString& name : request.show)
        ShowPane(frame, name);
    // The user's scheme command, as the View menu gives it.
    if (request.scheme > 0)
        frame.Look().ApplyScheme(request.scheme);
    QApplication::processEvents();
    if (!frame.grab().save(request.out, "PNG")) {
        std::fprintf(stderr, "kp: %s could not be written\n", request.out.toLocal8Bit().constData());
        return 1;
    }
    for (const QString& name : request.show) {
        if (!IsToolWindowName(name))
            continue;
        const QString path = ToolWindowPicturePath(request.out, name);
        if (!GrabToolWindow(frame, name).save(path, "PNG")) {
            std::fprintf(stderr, "kp: %s could not be written\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}

} // namespace kp
