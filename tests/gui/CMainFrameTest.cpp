#include <gtest/gtest.h>

#include "display/CMainFrame.h"
#include "support/ScratchFolder.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace kp {
namespace {

// Delivers a drag-enter and a drop of the URLs; true when the frame took the drag.
bool Drop(CMainFrame& frame, const QList<QUrl>& urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    return true;
}

TEST(CMainFrame, IsTitledKpAndAcceptsDrops)
{
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), "Kp");
    EXPECT_TRUE(frame.acceptDrops());
    EXPECT_TRUE(frame.GetDocumentPath().isEmpty());
}

TEST(CMainFrame, ADroppedFileBecomesTheDocument)
{
    test::ScratchFolder dir;
    const auto file = dir.touch("A.MEM");
    CMainFrame frame;
    QStringList opened;
    QObject::connect(&frame, &CMainFrame::documentOpened, [&](const QString& path) { opened << path; });
    ASSERT_TRUE(Drop(frame, { QUrl::fromLocalFile(QString::fromStdString(file.string())) }));
    EXPECT_EQ(frame.GetDocumentPath().toStdString(), file.string());
    EXPECT_EQ(frame.windowTitle(), "A.MEM - Kp");
    EXPECT_EQ(opened, QStringList { frame.GetDocumentPath() });
}

TEST(CMainFrame, RefusesDragsWithoutALocalFile)
{
    CMainFrame frame;
    EXPECT_FALSE(Drop(frame, { QUrl("https://example.org/A.MEM") }));
    EXPECT_FALSE(Drop(frame, {}));
    EXPECT_EQ(frame.windowTitle(), "Kp");
}

TEST(CMainFrame, OpeningAMissingFileChangesNothing)
{
    test::ScratchFolder dir;
    CMainFrame frame;
    ASSERT_TRUE(frame.OpenDocumentFile(QString::fromStdString(dir.touch("B.REC").string())));
    EXPECT_FALSE(frame.OpenDocumentFile(QString::fromStdString((dir / "missing.MEM").string())));
    EXPECT_FALSE(frame.OpenDocumentFile(QString::fromStdString(dir.path().string())));
    EXPECT_EQ(frame.windowTitle(), "B.REC - Kp");
}

} // namespace
} // namespace kp
