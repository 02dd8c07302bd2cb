#include "display/ScreenshotWindows.h"

#include "app/KpSettings.h"
#include "display/CBlockListWindow.h"
#include "display/CMainFrame.h"
#include "display/CWaveBatchConvertDlg.h"
#include "display/CWaveFileLoadDlg.h"
#include "wavefile/CKpDoc.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>

namespace kp {

namespace {

QImage Shot(QWidget& w)
{
    w.show();
    // File dialogs list their folder in the background.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 400)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return w.grab().toImage();
}

} // namespace

QStringList FileWindowNames()
{
    return { QStringLiteral("blocks"), QStringLiteral("open"), QStringLiteral("batch") };
}

QImage GrabFileWindow(CMainFrame& frame, const QString& name)
{
    const QFileInfo info(QString::fromStdString(frame.Document().GetPathName().string()));
    if (name == QLatin1String("blocks")) {
        CBlockListWindow& list = frame.BlockList();
        list.resize(520, 200);
        const QImage picture = Shot(list);
        list.hide();
        return picture;
    }
    if (name == QLatin1String("open")) {
        CWaveFileLoadDlg dialog(&frame, info.absolutePath(), 0);
        dialog.resize(760, 620);
        dialog.show();
        dialog.selectFile(info.fileName());
        // The preview follows the file under the cursor.
        dialog.preview().ShowFile(info.absoluteFilePath());
        return Shot(dialog);
    }
    if (name == QLatin1String("batch")) {
        KpSettings settings = frame.Settings();
        settings.loadFolder = info.absolutePath().toStdString();
        settings.saveFolder = QDir(info.absolutePath()).filePath(QStringLiteral("text")).toStdString();
        settings.saveExtendSetting = true;
        CWaveBatchConvertDlg dialog(&frame, settings);
        dialog.resize(760, 620);
        dialog.show();
        QStringList all;
        const QStringList patterns { QStringLiteral("*.MEM"), QStringLiteral("*.REC"), QStringLiteral("*.RMS") };
        for (const QFileInfo& f : QDir(info.absolutePath()).entryInfoList(patterns, QDir::Files, QDir::Name))
            all << QLatin1Char('"') + f.fileName() + QLatin1Char('"');
        dialog.selectFile(all.join(QLatin1Char(' ')));
        return Shot(dialog);
    }
    return {};
}

} // namespace kp
