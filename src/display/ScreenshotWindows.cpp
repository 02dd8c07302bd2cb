#include "display/ScreenshotWindows.h"

#include "app/KpSettings.h"
#include "display/CBlockListWindow.h"
#include "display/CMainFrame.h"
#include "display/CWaveBatchConvertDlg.h"
#include "display/CWaveFileLoadDlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>

#include <cstring>
#include <memory>
#include <vector>

namespace kp {

namespace {

struct Placed {
    QPixmap picture;
    QPoint at; // in frame coordinates
};

// The window with a caption strip, as a desktop frames it.
QPixmap Shot(QWidget& w)
{
    w.show();
    // File dialogs list their folder in the background.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 400)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    const QPixmap client = w.grab();
    const int caption = 24;
    QPixmap framed(client.width(), client.height() + caption);
    framed.fill(QColor(60, 90, 140));
    QPainter p(&framed);
    p.setPen(Qt::white);
    p.drawText(QRect(8, 0, client.width() - 16, caption), Qt::AlignVCenter | Qt::AlignLeft, w.windowTitle());
    p.drawPixmap(0, caption, client);
    return framed;
}

} // namespace

QStringList ScreenshotShowList(int argc, char** argv)
{
    QStringList names;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--show") == 0)
            names += QString::fromLocal8Bit(argv[i + 1]).split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    return names;
}

QImage PictureWithWindows(CMainFrame& frame, const QStringList& names, const QString& file, QStringList& unknown)
{
    const QPixmap base = frame.grab();
    std::vector<Placed> windows;
    const QFileInfo info(file);
    for (const QString& name : names) {
        if (name == QLatin1String("blocks")) {
            CBlockListWindow& list = frame.BlockList();
            list.resize(520, 200);
            windows.push_back({ Shot(list), QPoint(base.width() - 540, base.height() - 240) });
            list.hide();
        } else if (name == QLatin1String("open")) {
            CWaveFileLoadDlg dialog(&frame, info.absolutePath(), 0);
            dialog.resize(760, 620);
            dialog.show();
            dialog.selectFile(info.fileName());
            // The preview follows the file under the cursor.
            dialog.preview().ShowFile(info.absoluteFilePath());
            windows.push_back({ Shot(dialog), QPoint(40, 30) });
        } else if (name == QLatin1String("batch")) {
            KpSettings settings = frame.Settings();
            settings.loadFolder = info.absolutePath().toStdString();
            settings.saveFolder = QDir(info.absolutePath()).filePath(QStringLiteral("text")).toStdString();
            settings.saveExtendSetting = true;
            CWaveBatchConvertDlg dialog(&frame, settings);
            dialog.resize(760, 620);
            dialog.show();
            QStringList all;
            for (const QFileInfo& f : QDir(info.absolutePath()).entryInfoList({ QStringLiteral("*.MEM"), QStringLiteral("*.REC"), QStringLiteral("*.RMS") }, QDir::Files, QDir::Name))
                all << QLatin1Char('"') + f.fileName() + QLatin1Char('"');
            dialog.selectFile(all.join(QLatin1Char(' ')));
            windows.push_back({ Shot(dialog), QPoint(60, 40) });
        } else {
            unknown << name;
        }
    }
    QRect canvas(QPoint(0, 0), base.size());
    for (const Placed& w : windows)
        canvas |= QRect(w.at, w.picture.size());
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    painter.drawPixmap(-canvas.topLeft(), base);
    for (const Placed& w : windows) {
        const QRect r(w.at - canvas.topLeft(), w.picture.size());
        painter.fillRect(r.adjusted(3, 3, 3, 3), QColor(0, 0, 0, 90));
        painter.drawPixmap(r.topLeft(), w.picture);
        painter.setPen(QColor(80, 80, 80));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    return image;
}

} // namespace kp
