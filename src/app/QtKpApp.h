#pragma once
// CKpApp: the interactive road. Starts Qt, reads the settings, shows the main
// window (with the file named on the command line), runs the event loop and
// writes the settings back at exit.

#include "app/KpSettings.h"
#include "app/QtProgressWindow.h"
#include "app/QtSettingsStore.h"
#include "app/QtUserMessages.h"
#include "wavefile/BlockFileList.h"

#include <QFont>

#include <array>
#include <memory>

namespace kp {

class CKpCommandLineInfo;
class CMainFrame;

// The five fonts the application creates from stored descriptions.
enum class AppFont { Property, TraceAll, BlockFile, Wave, Main };

class CKpApp {
public:
    CKpApp();
    // Settings kept in the given file instead of the user's (tests).
    explicit CKpApp(const QString& settingsFile);
    ~CKpApp();
    CKpApp(const CKpApp&) = delete;
    CKpApp& operator=(const CKpApp&) = delete;

    // The whole run: returns the process's exit status. Qt takes its own
    // options out of argv before the command line is read.
    int Run(int& argc, char** argv);

    // Under a running QApplication: reads the settings, creates and shows the
    // main window and opens the file the command line names. False when that
    // file could not be opened; the user has then been told once why.
    bool InitInstance(const CKpCommandLineInfo& commandLine);
    // Destroys the main window (it writes its own keys), then writes the
    // settings.
    void ExitInstance();
    CMainFrame* GetMainFrame() const { return frame_.get(); }

    KpSettings& GetSettings() { return settings_; }
    const QFont& GetFont(AppFont which) const { return fonts_[static_cast<std::size_t>(which)]; }
    UserMessages& GetMessages() { return messages_; }

private:
    void ReadSettings();
    void WriteSettings();

    QtSettingsStore store_;
    KpSettings settings_;
    QtUserMessages messages_;
    QtProgressWindow progress_ { messages_ };
    CBlockFileList blockFiles_;
    std::array<QFont, 5> fonts_;
    // Last: it borrows the members above.
    std::unique_ptr<CMainFrame> frame_;
};

// The desktop's window-text and window colours, the defaults of the panes.
SystemColours SystemColoursFromPalette();

} // namespace kp
