#include "display/FolderNavigation.h"

#include "display/CommandActions.h"

#include "app/FolderFileList.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

#include <climits>

namespace kp {

namespace {

// Far enough to clip at either end of any folder.
constexpr int kToTheEnd = INT_MAX / 2;

QAction* Make(QObject* parent, CommandId id, const QString& statusTip)
{
    QAction* a = MakeCommandAction(parent, id);
    a->setStatusTip(statusTip);
    return a;
}

QToolButton* Button(QWidget* parent, const QString& text, const QString& tip, const QString& status, const char* name)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(tip);
    b->setStatusTip(status);
    return b;
}

bool CtrlHeld()
{
    return QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
}

} // namespace

FolderNavigation::FolderNavigation(CMainFrame& frame, FolderFileList& files, bool enabled)
    : QObject(&frame)
    , frame_(frame)
    , files_(files)
    , enabled_(enabled)
{
    next_ = Make(this, CommandId::NextFile, QStringLiteral("Open next waveform file."));
    prev_ = Make(this, CommandId::PrevFile, QStringLiteral("Open previous waveform file."));
    begin_ = Make(this, CommandId::FirstFile, QStringLiteral("Open the first waveform file of the folder."));
    end_ = Make(this, CommandId::LastFile, QStringLiteral("Open the last waveform file of the folder."));
    connect(next_, &QAction::triggered, this, [this] { Step(1); });
    connect(prev_, &QAction::triggered, this, [this] { Step(-1); });
    connect(begin_, &QAction::triggered, this, [this] { Step(-kToTheEnd); });
    connect(end_, &QAction::triggered, this, [this] { Step(kToTheEnd); });
    frame.addActions({ next_, prev_, begin_, end_ });

    // The back and forward buttons of a mouse step as "<<" and ">>" do.
    frame.installEventFilter(this);
    frame.View().viewport()->installEventFilter(this);
    UpdateStates();
}

void FolderNavigation::AddToBar(QToolBar& bar)
{
    previousButton_ = Button(&bar, QStringLiteral("<<"), QStringLiteral("Previous File"),
        QStringLiteral("Open previous waveform file."), "PreviousFileButton");
    nextButton_ = Button(&bar, QStringLiteral(">>"), QStringLiteral("Next File"),
        QStringLiteral("Open next waveform file."), "NextFileButton");
    counter_ = new QLabel(&bar);
    counter_->setObjectName(QStringLiteral("FileCounter"));
    counter_->setToolTip(QStringLiteral("Waveform Files"));
    counter_->setStatusTip(QStringLiteral("Index / Total number of waveform files in the folder."));
    // With Ctrl held the buttons go to the first or last file.
    connect(previousButton_, &QToolButton::clicked, this, [this] { Step(CtrlHeld() ? -kToTheEnd : -1); });
    connect(nextButton_, &QToolButton::clicked, this, [this] { Step(CtrlHeld() ? kToTheEnd : 1); });
    bar.addSeparator();
    bar.addWidget(previousButton_);
    bar.addWidget(nextButton_);
    bar.addWidget(new QLabel(QStringLiteral(" Waveform Files : "), &bar));
    bar.addWidget(counter_);
    UpdateStates();
}

bool FolderNavigation::Step(int delta)
{
    if (!enabled_)
        return false;
    const bool stepped = files_.StepFile(delta, [this](const std::filesystem::path& path) {
        return frame_.OpenDocumentFile(QString::fromStdString(path.string()));
    });
    UpdateStates();
    return stepped;
}

void FolderNavigation::UpdateStates()
{
    const bool back = enabled_ && files_.CanStepBack();
    const bool forward = enabled_ && files_.CanStepForward();
    prev_->setEnabled(back);
    begin_->setEnabled(back);
    next_->setEnabled(forward);
    end_->setEnabled(forward);
    if (previousButton_) {
        previousButton_->setEnabled(back);
        nextButton_->setEnabled(forward);
        counter_->setText(QString::fromStdString(files_.CounterText()));
    }
}

bool FolderNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::BackButton || mouse->button() == Qt::ForwardButton) {
            Step(mouse->button() == Qt::BackButton ? -1 : 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kp
