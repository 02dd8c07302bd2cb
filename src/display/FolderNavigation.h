#pragma once
// Stepping through the waveform files of the open file's folder: the "Next",
// "Prev", "Begin" and "End" commands with their keys, the "<<" and ">>"
// buttons and the file counter of the dialog bar, and the mouse's back and
// forward buttons.

#include <QObject>

class QAction;
class QLabel;
class QToolBar;
class QToolButton;

namespace kp {

class CMainFrame;
class FolderFileList;

class FolderNavigation : public QObject {
    Q_OBJECT

public:
    FolderNavigation(CMainFrame& frame, FolderFileList& files, bool enabled);

    QAction* next() const { return next_; }
    QAction* prev() const { return prev_; }
    QAction* begin() const { return begin_; }
    QAction* end() const { return end_; }
    QToolButton* previousButton() const { return previousButton_; }
    QToolButton* nextButton() const { return nextButton_; }
    QLabel* counter() const { return counter_; }

    // Adds "<<", ">>" and the counter to the dialog bar.
    void AddToBar(QToolBar& bar);
    // Opens the file delta places away; false when nothing was opened.
    bool Step(int delta);

public slots:
    void UpdateStates();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CMainFrame& frame_;
    FolderFileList& files_;
    bool enabled_;
    QAction* next_ = nullptr;
    QAction* prev_ = nullptr;
    QAction* begin_ = nullptr;
    QAction* end_ = nullptr;
    QToolButton* previousButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QLabel* counter_ = nullptr;
};

} // namespace kp
