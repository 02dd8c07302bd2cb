#include "display/CMainFrame.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace kp {

namespace {

// The first local file among the dropped URLs; empty when there is none.
QString FirstLocalFile(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainFrame"));
    setAcceptDrops(true);
    setMinimumSize(250, 250);
    setCentralWidget(new QWidget(this));
    createActions();
    createMenus();
    createStatusBar();
    updateTitle();
}

void CMainFrame::createActions()
{
    openAction_ = new QAction(QStringLiteral("&Open..."), this);
    openAction_->setShortcut(QKeySequence::Open);
    connect(openAction_, &QAction::triggered, this, &CMainFrame::openFromDialog);

    exitAction_ = new QAction(QStringLiteral("E&xit"), this);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(openAction_);
    file->addSeparator();
    file->addAction(exitAction_);
}

void CMainFrame::createStatusBar() { statusBar(); }

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    documentPath_ = info.absoluteFilePath();
    updateTitle();
    emit documentOpened(documentPath_);
    return true;
}

void CMainFrame::updateTitle()
{
    if (documentPath_.isEmpty())
        setWindowTitle(QStringLiteral("Kp"));
    else
        setWindowTitle(QFileInfo(documentPath_).fileName() + QStringLiteral(" - Kp"));
}

void CMainFrame::openFromDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), QFileInfo(documentPath_).path());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!FirstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = FirstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // A drop from another application brings the viewer to the front.
    raise();
    activateWindow();
    OpenDocumentFile(path);
}

} // namespace kp
