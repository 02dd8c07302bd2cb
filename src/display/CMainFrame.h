#pragma once
// The main window around the waveform view. For now it holds the document's
// path: a file named on the command line, picked from the menu or dropped on
// the window becomes the open file, and its name appears in the title.

#include <QMainWindow>
#include <QString>

class QAction;
class QDragEnterEvent;
class QDropEvent;

namespace kp {

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // Makes the file the open document; false when there is no such file.
    bool OpenDocumentFile(const QString& path);
    // The open document's path; empty when nothing is open.
    const QString& GetDocumentPath() const { return documentPath_; }

signals:
    // A file was opened (from the command line, the menu or a drop).
    void documentOpened(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createStatusBar();
    void updateTitle();
    void openFromDialog();

    QAction* openAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QString documentPath_;
};

} // namespace kp
