#include "display/CMainFrame.h"

#include "app/KpSettings.h"
#include "app/QtCompanionStarter.h"
#include "app/QtFontDescription.h"
#include "app/QtVersionLookup.h"
#include "display/CBlockListWindow.h"
#include "display/CKpView.h"
#include "display/CWaveBatchConvertDlg.h"
#include "display/CommandActions.h"
#include "display/ControlPanelHost.h"
#include "display/FolderNavigation.h"
#include "display/FrameClient.h"
#include "display/FrameCommands.h"
#include "display/HelpMenu.h"
#include "display/LookCommands.h"
#include "display/PaneSet.h"
#include "display/StatusIcons.h"
#include "display/ToolWindowTranslucency.h"
#include "display/ViewCommands.h"
#include "display/ViewContextMenu.h"
#include "infowin/InfoWindows.h"
#include "view/ViewRecordBuilder.h"
#include "wavefile/BlockFileList.h"
#include "wavefile/CKpDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
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

CMainFrame::CMainFrame(const FrameServices& services, QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , frameSettings_(FrameSettings::Load(services.store))
    , doc_(std::make_unique<CKpDoc>(services.messages, services.progress, services.blockFiles))
{
    setObjectName(QStringLiteral("MainFrame"));
    setAcceptDrops(true);
    setMinimumSize(250, 250);
    recent_.Load(services_.store);

    client_ = new FrameClient(this);
    view_ = new CKpView(services_.settings, services_.store);
    view_->SetDisplayFont(services_.waveFont);
    client_->SetView(view_);
    client_->SetPanesSource([this] { return Panes(); });
    setCentralWidget(client_);
    // The document replaces its arrays while it loads; the view must not
    // paint from them meanwhile.
    doc_->SetReleaseHook([this] { view_->SetSuspended(true); });

    companion_ = std::make_unique<CompanionHandOff>(
        services_.settings, services_.messages, StartCompanion, [this] { return ChooseCompanion(this); },
        CompanionCandidatesHere);
    doc_->SetCompanionLauncher([this](const std::filesystem::path& file) { companion_->HandOff(file); });
    doc_->SetCompanionFlagReset([this] { companion_->ResetFlag(); });

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    readSettings();

    connect(view_, &CKpView::recordLoaded, this, [this] { fillMagnificationBox(); });
    connect(view_, &CKpView::recordCleared, this, [this] { fillMagnificationBox(); });
    connect(view_, &CKpView::magnificationChanged, this, [this](int index) {
        if (magnificationBox_->currentIndex() != index)
            magnificationBox_->setCurrentIndex(index);
    });
    connect(view_, &CKpView::recordLoaded, commands_, &FrameCommands::UpdateStates);
    connect(view_, &CKpView::recordCleared, commands_, &FrameCommands::UpdateStates);
    updateTitle();
    updateStatusPanes();
    fillMagnificationBox();
}

CMainFrame::~CMainFrame()
{
    // The view refers into the document's arrays: it goes first.
    delete client_;
    client_ = nullptr;
    view_ = nullptr;
}

void CMainFrame::createActions()
{
    commands_ = new FrameCommands(*this);
    navigation_ = new FolderNavigation(*this, folderFiles_, frameSettings_.enableNavigation);
    blockList_ = new CBlockListWindow(
        services_.blockFiles, services_.settings, services_.store, services_.messages,
        [this](const QString& path) { OpenDocumentFile(path, true); }, this);
    blockList_->ApplyTranslucency(services_.settings);
    blockListAction_ = MakeCommandAction(this, CommandId::BlockList);
    blockListAction_->setCheckable(true);
    connect(blockListAction_, &QAction::triggered, blockList_, &QWidget::setVisible);
    viewCommands_ = new ViewCommands(*view_, services_.settings, this);
    panes_ = new PaneSet(*this);
    look_ = new LookCommands(*this, *panes_);
    controlPanel_ = new ControlPanelHost(*this);
    new ViewContextMenu(*this, *look_);
    infoWindows_ = new InfoWindows(*this);
    translucency_ = new ToolWindowTranslucency(*this, services_.settings);
}

void CMainFrame::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(commands_->open());
    file->addAction(commands_->saveAll());
    file->addAction(commands_->saveBetweenCursors());
    file->addAction(MakeBatchConversionAction(this, services_.settings, services_.messages, services_.progress));
    file->addSeparator();
    file->addMenu(commands_->recentMenu());
    file->addSeparator();
    file->addAction(navigation_->next());
    file->addAction(navigation_->prev());
    file->addAction(navigation_->begin());
    file->addAction(navigation_->end());
    file->addSeparator();
    file->addAction(commands_->exit());

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(commands_->toolbar());
    view->addAction(commands_->title());
    view->addAction(commands_->remarks());
    view->addAction(commands_->gauge());
    view->addAction(controlPanel_->toggle());
    view->addSeparator();
    view->addAction(infoWindows_->propertiesAction());
    view->addAction(infoWindows_->traceAction());
    view->addAction(blockListAction_);
    view->addAction(translucency_->toggle());
    view->addAction(translucency_->density());
    view->addSeparator();
    view->addAction(commands_->capture());
    view->addAction(commands_->fixWindowPos());
    view->addSeparator();
    view->addAction(look_->blackBackground());
    view->addAction(look_->whiteBackground());
    connect(view, &QMenu::aboutToShow, commands_, &FrameCommands::UpdateStates);
    connect(view, &QMenu::aboutToShow, this, [this] { blockListAction_->setChecked(blockList_->isVisible()); });

    ViewCommands& v = *viewCommands_;
    QMenu* wave = menuBar()->addMenu(QStringLiteral("&Wave"));
    wave->addAction(v.zoomIn());
    wave->addAction(v.zoomOut());
    magnificationMenu_ = wave->addMenu(QStringLiteral("Set &Magnification"));
    magnificationMenu_->setObjectName(QStringLiteral("MagnificationMenu"));
    wave->addSeparator();
    QMenu* notation = wave->addMenu(QStringLiteral("Time &Notation"));
    for (QAction* a : v.notations())
        notation->addAction(a);
    notation->addSeparator();
    notation->addAction(v.enhancedDate());
    QMenu* jump = wave->addMenu(QStringLiteral("&Jump"));
    jump->addAction(v.jumpA());
    jump->addAction(v.jumpB());
    jump->addAction(v.jumpTrigger());
    jump->addAction(v.jumpPostTrigger());
    wave->addSeparator();
    wave->addAction(v.lineStyle());
    wave->addAction(v.dotsStyle());
    wave->addAction(v.reverseOrder());
    wave->addAction(v.fixed());
    // The magnification entries are rebuilt whenever a menu opens, so that
    // they follow the record.
    connect(wave, &QMenu::aboutToShow, this, [this] {
        viewCommands_->UpdateStates();
        viewCommands_->FillMagnificationMenu(*magnificationMenu_);
    });

    QMenu* channel = menuBar()->addMenu(QStringLiteral("&Channel"));
    channel->addAction(v.allOn());
    channel->addAction(v.allOff());
    channel->addSeparator();
    QMenu* analog = channel->addMenu(QStringLiteral("&Analog"));
    for (QAction* a : v.analogToggles())
        analog->addAction(a);
    QMenu* logic = channel->addMenu(QStringLiteral("&Logic"));
    for (QAction* a : v.logicToggles())
        logic->addAction(a);
    QMenu* groups = channel->addMenu(QStringLiteral("Logic &Unit"));
    for (QAction* a : v.logicGroups())
        groups->addAction(a);
    connect(channel, &QMenu::aboutToShow, viewCommands_, &ViewCommands::UpdateStates);

    auto* help = new HelpMenu(*this);
    help->AddVersionLookup(MakeVersionLookupAction(this, services_.store, services_.messages));
}

void CMainFrame::createToolBars()
{
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setMovable(true);
    toolBar_->addAction(commands_->open());
    // The arrow beside "Open" lists the recent files.
    if (auto* openButton = qobject_cast<QToolButton*>(toolBar_->widgetForAction(commands_->open()))) {
        openButton->setMenu(commands_->recentMenu());
        openButton->setPopupMode(QToolButton::MenuButtonPopup);
    }
    toolBar_->addAction(commands_->saveAll());
    toolBar_->addAction(commands_->saveBetweenCursors());
    toolBar_->addSeparator();
    toolBar_->addAction(viewCommands_->zoomOut());
    toolBar_->addAction(viewCommands_->zoomIn());

    dialogBar_ = addToolBar(QStringLiteral("Dialog Bar"));
    dialogBar_->setObjectName(QStringLiteral("DialogBar"));
    dialogBar_->addWidget(new QLabel(QStringLiteral(" Zoom : "), dialogBar_));
    magnificationBox_ = new QComboBox(dialogBar_);
    magnificationBox_->setObjectName(QStringLiteral("MagnificationCombo"));
    magnificationBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    magnificationBox_->setMinimumContentsLength(9);
    dialogBar_->addWidget(magnificationBox_);
    connect(magnificationBox_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index <= view_->GetHighestIndex() && index != view_->GetMagnificationIndex())
            view_->SetMagnificationIndex(index);
        view_->setFocus();
    });
    if (frameSettings_.enableNavigation)
        navigation_->AddToBar(*dialogBar_);
}

void CMainFrame::createStatusBar()
{
    for (std::size_t i = 0; i < statusPanes_.size(); ++i) {
        // The icon stands before its text, within the same pane.
        auto* pane = new QWidget(this);
        auto* row = new QHBoxLayout(pane);
        row->setContentsMargins(2, 0, 2, 0);
        row->setSpacing(3);
        statusIcons_[i] = new QLabel(pane);
        statusIcons_[i]->setObjectName(QStringLiteral("StatusIcon%1").arg(i));
        statusIcons_[i]->hide();
        statusPanes_[i] = new QLabel(pane);
        statusPanes_[i]->setObjectName(QStringLiteral("StatusPane%1").arg(i));
        row->addWidget(statusIcons_[i]);
        row->addWidget(statusPanes_[i]);
        statusBar()->addPermanentWidget(pane);
    }
}

void CMainFrame::readSettings()
{
    std::optional<ScreenRect> stored;
    if (frameSettings_.placement) {
        const SettingsRect& r = *frameSettings_.placement;
        stored = ScreenRect { r.left, r.top, r.right - r.left, r.bottom - r.top };
    }
    const QRect available = screen() != nullptr ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    startPlacement_ = ChooseStartPlacement(stored, frameSettings_.fixWindowPos, services_.settings.cmdShow,
        ScreenRect { available.left(), available.top(), available.width(), available.height() });
    const ScreenRect& normal = startPlacement_.normal;
    if (startPlacement_.positioned)
        setGeometry(normal.left, normal.top, normal.width, normal.height);
    else
        resize(normal.width, normal.height);
    if (!frameSettings_.toolbarState.empty())
        restoreState(QByteArray(reinterpret_cast<const char*>(frameSettings_.toolbarState.data()),
            static_cast<qsizetype>(frameSettings_.toolbarState.size())));
}

void CMainFrame::ShowWithSavedState()
{
    if (startPlacement_.maximised)
        showMaximized();
    else
        show();
    view_->Refit();
}

void CMainFrame::writeSettings()
{
    if (settingsWritten_)
        return;
    settingsWritten_ = true;
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    frameSettings_.placement = SettingsRect { normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1 };
    services_.settings.cmdShow = isMaximized() ? 3 : (isMinimized() ? 2 : 1);
    const QByteArray state = saveState();
    frameSettings_.toolbarState.assign(state.begin(), state.end());
    frameSettings_.Save(services_.store);
    recent_.Save(services_.store);
    infoWindows_->SaveSettings();
    // Its widths and placement are written as it hides.
    blockList_->close();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    writeSettings();
    QMainWindow::closeEvent(event);
}

FramePanes CMainFrame::Panes() const
{
    FramePanes p;
    p.title = frameSettings_.title;
    p.titleFontHeight = QFontMetrics(FontFromDescription(services_.settings.title.font)).height();
    p.gauge = frameSettings_.gageLeft;
    p.gaugeCount = frameSettings_.gageLeftNum;
    p.gaugeTextHeight = QFontMetrics(FontFromDescription(services_.settings.gage.font))
                            .boundingRect(QStringLiteral("Wpqljy"))
                            .height();
    p.remark = frameSettings_.remark;
    p.remarkRatio = frameSettings_.remarkRatio;
    return p;
}

void CMainFrame::SetTitleShown(bool on)
{
    frameSettings_.title = on;
    client_->Relayout();
}

void CMainFrame::SetRemarkShown(bool on)
{
    frameSettings_.remark = on;
    client_->Relayout();
}

void CMainFrame::SetGaugeShown(bool on)
{
    frameSettings_.gageLeft = on;
    client_->Relayout();
    frameSettings_.gageLeftWidth = client_->CurrentRects().gauge.width();
}

void CMainFrame::SetBarsShown(bool on)
{
    toolBar_->setVisible(on);
    dialogBar_->setVisible(on);
}

QRect CMainFrame::CaptureRect() const
{
    const FrameRects& r = client_->CurrentRects();
    QRect capture = r.view;
    if (frameSettings_.title || frameSettings_.remark) {
        capture.setLeft(0);
        capture.setRight(client_->width() - 1);
    }
    if (frameSettings_.gageLeft)
        capture.setLeft(0);
    if (frameSettings_.title)
        capture.setTop(capture.top() - r.title.height());
    if (frameSettings_.remark)
        capture.setBottom(capture.bottom() + r.remark.height());
    return capture.intersected(client_->rect());
}

bool CMainFrame::OpenDocumentFile(const QString& path, bool keepBlockList)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return false;
    // The blocks of an earlier index file are not those of this file.
    if (!keepBlockList)
        services_.blockFiles.Clear();
    const std::uint64_t before = doc_->GetRevision();
    const bool opened = doc_->OnOpenDocument(info.absoluteFilePath().toStdString());
    if (doc_->GetRevision() != before) {
        if (doc_->IsLoaded())
            view_->SetRecord(BuildViewRecord(*doc_));
        else
            view_->ClearRecord();
    }
    view_->SetSuspended(false);
    if (doc_->GetRevision() != before && !doc_->IsLoaded())
        documentPath_.clear();
    if (opened) {
        documentPath_ = info.absoluteFilePath();
        recent_.Add(documentPath_.toStdString());
        emit documentOpened(documentPath_);
    }
    // An index file counts as the block it opened, so that the counter and
    // the steps start from the recording on screen.
    folderFiles_.NoteOpened(
        opened ? doc_->GetPathName() : std::filesystem::path(info.absoluteFilePath().toStdString()), opened);
    navigation_->UpdateStates();
    if (!keepBlockList)
        blockList_->Refresh();
    updateTitle();
    updateStatusPanes();
    return opened;
}

void CMainFrame::updateTitle()
{
    if (documentPath_.isEmpty() || !doc_->IsLoaded())
        setWindowTitle(QStringLiteral("Kp"));
    else
        setWindowTitle(QString::fromStdString(doc_->GetTitle()) + QStringLiteral(" - Kp"));
}

void CMainFrame::updateStatusPanes()
{
    const StatusPanes panes = doc_->IsLoaded() ? BuildStatusPanes(doc_->GetHeadInfo()) : StatusPanes {};
    const int side = statusPanes_[0]->fontMetrics().height();
    for (std::size_t i = 0; i < statusPanes_.size(); ++i) {
        statusPanes_[i]->setText(QString::fromStdString(panes[i].text));
        const QPixmap icon = StatusIconPixmap(panes[i].icon, panes[i].tint, side, devicePixelRatioF());
        statusIcons_[i]->setPixmap(icon);
        statusIcons_[i]->setVisible(!icon.isNull());
    }
}

void CMainFrame::fillMagnificationBox()
{
    magnificationBox_->clear();
    if (!view_->IsLoaded())
        return;
    const Magnification& m = view_->GetMagnification();
    for (int i = 0; i <= view_->GetHighestIndex(); ++i)
        magnificationBox_->addItem(QString::fromStdString(m.label(i)));
    magnificationBox_->setCurrentIndex(view_->GetMagnificationIndex());
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
