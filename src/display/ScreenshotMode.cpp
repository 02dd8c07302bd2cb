#include "display/ScreenshotMode.h"

#include "app/BlockFileList.h"
#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "display/Magnification.h"
#include "display/ScreenshotWindows.h"
#include "platform/ProgressWindow.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "synth/DemoRecordings.h"
#include "synth/IndexWriter.h"
#include "synth/RecordingWriter.h"
#include "wavefile/CKpDoc.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace kp {

namespace {

constexpr const char* kSwitch = "--screenshot";

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
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kSwitch) == 0) {
            if (i + 1 < argc)
                out = QString::fromLocal8Bit(argv[i + 1]);
            if (i + 2 < argc && std::strncmp(argv[i + 2], "--", 2) != 0)
                file = QString::fromLocal8Bit(argv[i + 2]);
            break;
        }
    }
    const QStringList shown = ScreenshotShowList(argc, argv);
    if (out.isEmpty()) {
        std::fputs("kp: --screenshot needs the name of the PNG to write\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
            // The windows of a picture with --show need blocks of an index
            // and a folder of recordings.
            if (!shown.isEmpty()) {
                synth::IndexSpec index;
                for (std::uint32_t n = 1; n <= 3; ++n) {
                    const std::string base = "WAVE000" + std::to_string(n);
                    synth::WriteRecordingFile(synth::DemoRecording(n, 300000),
                        temp.filePath(QString::fromStdString(base + ".MEM")).toStdString());
                    index.entries.push_back({ n - 1, synth::Name83Stored(base, "MEM") });
                }
                file = temp.filePath(QStringLiteral("DEMO.IDX"));
                synth::WriteIndexFile(file.toStdString(), index);
            }
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
    frame.resize(860, 600);
    frame.show();
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
    QStringList unknown;
    const QImage picture = PictureWithWindows(
        frame, shown, QString::fromStdString(frame.Document().GetPathName().string()), unknown);
    if (!unknown.isEmpty()) {
        std::fprintf(stderr, "kp: --show knows blocks, open and batch, not %s\n",
            unknown.join(QLatin1Char(',')).toLocal8Bit().constData());
        return 2;
    }
    if (!picture.save(out, "PNG")) {
        std::fprintf(stderr, "kp: %s could not be written\n", out.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace kp
