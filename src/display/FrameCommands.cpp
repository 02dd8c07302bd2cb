#include "display/FrameCommands.h"

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "display/CWaveFileLoadDlg.h"
#include "display/CommandActions.h"
#include "display/FrameClient.h"
#include "display/SaveTextDialog.h"
#include "wavefile/CKpDoc.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QStyle>
#include <QToolBar>

namespace kp {

namespace {

QAction* Make(QObject* parent, const QString& text, const QKeySequence& keys = {})
{
    auto* a = new QAction(text, parent);
    if (!keys.isEmpty())
        a->setShortcut(keys);
    return a;
}

} // namespace

FrameCommands::FrameCommands(CMainFrame& frame)
    : QObject(&frame)
    , frame_(frame)
{
    QStyle* style = frame.style();
    open_ = MakeCommandAction(this, CommandId::Open);
    open_->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    connect(open_, &QAction::triggered, this, &FrameCommands::OpenWithDialog);

    recent_ = new QMenu(QStringLiteral("Recent &Files"), &frame);
    recent_->setObjectName(QStringLiteral("RecentFilesMenu"));
    connect(recent_, &QMenu::aboutToShow, this, &FrameCommands::FillRecentMenu);

    saveAll_ = MakeCommandAction(this, CommandId::SaveAll);
    saveAll_->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    saveBetween_ = MakeCommandAction(this, CommandId::SaveBetweenCursors);
    saveBetween_->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    auto save = [this](bool betweenCursors) {
        const FrameServices& s = frame_.Services();
        RunSaveTextCommand(
            &frame_, betweenCursors, frame_.Document(), frame_.View(), s.settings, s.messages, s.progress);
    };
    connect(saveAll_, &QAction::triggered, this, [save] { save(false); });
    connect(saveBetween_, &QAction::triggered, this, [save] { save(true); });

    exit_ = Make(this, QStringLiteral("E&xit"));
    connect(exit_, &QAction::triggered, &frame_, &QWidget::close);

    toolbar_ = Make(this, QStringLiteral("Tool&bar"));
    toolbar_->setCheckable(true);
    connect(toolbar_, &QAction::triggered, this, [this](bool on) { frame_.SetBarsShown(on); });
    title_ = MakeCommandAction(this, CommandId::Title);
    title_->setCheckable(true);
    connect(title_, &QAction::triggered, this, [this](bool on) { frame_.SetTitleShown(on); });
    remarks_ = MakeCommandAction(this, CommandId::Remarks);
    remarks_->setCheckable(true);
    connect(remarks_, &QAction::triggered, this, [this](bool on) { frame_.SetRemarkShown(on); });
    gauge_ = MakeCommandAction(this, CommandId::Gauge);
    gauge_->setCheckable(true);
    connect(gauge_, &QAction::triggered, this, [this](bool on) { frame_.SetGaugeShown(on); });
    capture_ = MakeCommandAction(this, CommandId::Capture);
    connect(capture_, &QAction::triggered, this, &FrameCommands::CaptureDisplay);
    fixPos_ = Make(this, QStringLiteral("&Fix Startup Window Position"));
    fixPos_->setCheckable(true);
    connect(fixPos_, &QAction::triggered, this, [this](bool on) { frame_.Layout().fixWindowPos = on; });
    UpdateStates();
}

void FrameCommands::UpdateStates()
{
    const bool loaded = frame_.View().IsLoaded();
    saveAll_->setEnabled(loaded);
    saveBetween_->setEnabled(loaded);
    toolbar_->setChecked(frame_.MainToolBar() == nullptr || frame_.MainToolBar()->isVisibleTo(&frame_));
    title_->setChecked(frame_.Layout().title);
    remarks_->setChecked(frame_.Layout().remark);
    gauge_->setChecked(frame_.Layout().gageLeft);
    fixPos_->setChecked(frame_.Layout().fixWindowPos);
}

void FrameCommands::OpenWithDialog()
{
    KpSettings& s = frame_.Settings();
    CWaveFileLoadDlg dialog(&frame_, QString::fromStdString(s.loadFolder), s.loadFilterIndex);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    s.loadFolder = QDir::toNativeSeparators(QFileInfo(path).absolutePath()).toStdString();
    s.loadFilterIndex = dialog.SelectedFilterIndex();
    frame_.OpenDocumentFile(path);
}

void FrameCommands::FillRecentMenu()
{
    recent_->clear();
    const auto& files = frame_.RecentFiles().Files();
    if (files.empty()) {
        recent_->addAction(QStringLiteral("Recent File"))->setEnabled(false);
        return;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString path = QString::fromStdString(files[i]);
        QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(a, &QAction::triggered, &frame_, [this, path] { frame_.OpenDocumentFile(path); });
    }
}

void FrameCommands::CaptureDisplay()
{
    frame_.View().viewport()->repaint();
    const QRect r = frame_.CaptureRect();
    if (r.isEmpty())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setPixmap(frame_.Client().grab(r));
}

} // namespace kp
