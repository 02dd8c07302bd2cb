#pragma once
// The main window: the waveform view with a title strip above it, a gauge
// left of it and a remark list below it, the toolbar, the dialog bar with the
// magnification box, the status bar, and the layout settings of section
// "Main". The frame owns the document; command handlers live in
// FrameCommands and ViewCommands.

#include "app/CompanionHandOff.h"
#include "app/FolderFileList.h"
#include "app/RecentFileList.h"
#include "display/FrameLayout.h"
#include "view/FrameSettings.h"
#include "view/StartPlacement.h"

#include <QFont>
#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QToolBar;

namespace kp {

class CBlockFileList;
class CBlockListWindow;
class CKpDoc;
class CKpView;
class FrameClient;
class ControlPanelHost;
class FolderNavigation;
class FrameCommands;
class LookCommands;
class PaneSet;
class InfoWindows;
class ProgressWindow;
class SettingsStore;
class ToolWindowTranslucency;
class UserMessages;
class ViewCommands;
struct KpSettings;

// What the application lends the frame for its lifetime.
struct FrameServices {
    KpSettings& settings;
    SettingsStore& store;
    UserMessages& messages;
    ProgressWindow& progress;
    CBlockFileList& blockFiles;
    QFont waveFont;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(const FrameServices& services, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens a file into the document and shows it; false when nothing new
    // was loaded (the reason has been shown).
    // A block chosen in the block list keeps the list it came from.
    bool OpenDocumentFile(const QString& path, bool keepBlockList = false);
    // The open document's path; empty when nothing is open.
    const QString& GetDocumentPath() const { return documentPath_; }

    // Shows the window in the state it was closed in ("CmdShow"), or on the
    // first start as the screen suits, then lets the view refit the record to
    // the window's real size.
    void ShowWithSavedState();

    CKpView& View() const { return *view_; }
    CKpDoc& Document() const { return *doc_; }
    FrameCommands& Commands() const { return *commands_; }
    ViewCommands& WaveCommands() const { return *viewCommands_; }
    InfoWindows& Windows() const { return *infoWindows_; }
    FrameSettings& Layout() { return frameSettings_; }
    RecentFileList& RecentFiles() { return recent_; }
    KpSettings& Settings() const { return services_.settings; }
    const FrameServices& Services() const { return services_; }
    QComboBox* MagnificationBox() const { return magnificationBox_; }
    QToolBar* MainToolBar() const { return toolBar_; }
    QToolBar* DialogBar() const { return dialogBar_; }
    QLabel* StatusPane(int i) const { return statusPanes_[static_cast<std::size_t>(i)]; }
    QLabel* StatusIconLabel(int i) const { return statusIcons_[static_cast<std::size_t>(i)]; }
    FrameClient& Client() const { return *client_; }
    PaneSet& PaneWindows() const { return *panes_; }
    LookCommands& Look() const { return *look_; }
    ControlPanelHost& ControlPanel() const { return *controlPanel_; }
    FolderNavigation& Navigation() const { return *navigation_; }
    CBlockListWindow& BlockList() const { return *blockList_; }
    QAction* BlockListAction() const { return blockListAction_; }
    ToolWindowTranslucency& Translucency() const { return *translucency_; }
    FolderFileList& FolderFiles() { return folderFiles_; }

    // Pane switches: re-lays out the client area.
    void SetTitleShown(bool on);
    void SetRemarkShown(bool on);
    void SetGaugeShown(bool on);
    void SetBarsShown(bool on);
    // The view with the panes around it, as the capture copies it.
    QRect CaptureRect() const;

signals:
    // A file was opened (from the command line, the menu, the recent list or a drop).
    void documentOpened(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();
    void writeSettings();
    void updateTitle();
    void updateStatusPanes();
    void fillMagnificationBox();
    FramePanes Panes() const;

    FrameServices services_;
    FrameSettings frameSettings_;
    RecentFileList recent_;
    std::unique_ptr<CKpDoc> doc_;
    FrameClient* client_ = nullptr;
    CKpView* view_ = nullptr;
    FrameCommands* commands_ = nullptr;
    FolderFileList folderFiles_;
    std::unique_ptr<CompanionHandOff> companion_;
    FolderNavigation* navigation_ = nullptr;
    CBlockListWindow* blockList_ = nullptr;
    QAction* blockListAction_ = nullptr;
    ViewCommands* viewCommands_ = nullptr;
    PaneSet* panes_ = nullptr;
    LookCommands* look_ = nullptr;
    ControlPanelHost* controlPanel_ = nullptr;
    InfoWindows* infoWindows_ = nullptr;
    ToolWindowTranslucency* translucency_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QToolBar* dialogBar_ = nullptr;
    QComboBox* magnificationBox_ = nullptr;
    QMenu* magnificationMenu_ = nullptr;
    std::array<QLabel*, 4> statusPanes_ {};
    std::array<QLabel*, 4> statusIcons_ {};
    QString documentPath_;
    StartPlacement startPlacement_;
    bool settingsWritten_ = false;
};

} // namespace kp
