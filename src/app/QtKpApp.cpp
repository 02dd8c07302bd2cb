#include "app/QtKpApp.h"

#include "app/CKpCommandLineInfo.h"
#include "app/QtFontDescription.h"
#include "display/CMainFrame.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QFile>
#include <QPalette>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kp {

namespace {

RgbColour FromQColor(const QColor& c)
{
    return { static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
        static_cast<std::uint8_t>(c.blue()) };
}

// On X11/Wayland desktops Qt aborts the process when it finds no display;
// tell the user what to do instead.
bool DisplayAvailable(int argc, char** argv)
{
#if defined(_WIN32) || defined(__APPLE__)
    (void)argc;
    (void)argv;
    return true;
#else
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    }
    return false;
#endif
}

} // namespace

SystemColours SystemColoursFromPalette()
{
    const QPalette palette = QGuiApplication::palette();
    return { FromQColor(palette.color(QPalette::Active, QPalette::Text)),
        FromQColor(palette.color(QPalette::Active, QPalette::Base)) };
}

CKpApp::CKpApp() = default;
CKpApp::CKpApp(const QString& settingsFile)
    : store_(settingsFile)
{
}
CKpApp::~CKpApp() = default;

int CKpApp::Run(int& argc, char** argv)
{
    if (!DisplayAvailable(argc, argv)) {
        std::fputs("kp: no display to show the viewer on; convert with /CONV (see kp --help)\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    // Qt switches the C library to the user's locale; numbers are parsed and
    // printed by the program's own code, which relies on the "C" rules.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Voranwerk"));
    QApplication::setApplicationName(QStringLiteral("Kp"));
    // Lets the desktop match the window to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kp"));

    CKpCommandLineInfo commandLine;
    commandLine.ParseCommandLine(argc, argv);
    const int status = InitInstance(commandLine) ? QApplication::exec() : 1;
    ExitInstance();
    return status;
}

bool CKpApp::InitInstance(const CKpCommandLineInfo& commandLine)
{
    ReadSettings();
    frame_ = std::make_unique<CMainFrame>(
        FrameServices { settings_, store_, messages_, progress_, blockFiles_, GetFont(AppFont::Wave) });
    messages_.setParent(frame_.get());
    if (commandLine.GetShellCommand() == CKpCommandLineInfo::ShellCommand::FileOpen) {
        const QString path = QFile::decodeName(commandLine.GetFileName().c_str());
        const int shownBefore = messages_.shownCount();
        if (!frame_->OpenDocumentFile(path)) {
            messages_.setParent(nullptr);
            // A refusal has already said why; a file that is not there has not.
            if (messages_.shownCount() == shownBefore)
                messages_.show(std::string(KpString(IDS_UNABLE_TO_OPEN)) + "\n\n" + commandLine.GetFileName(),
                    MessageButtons::Ok, MessageIcon::Error);
            return false;
        }
    }
    frame_->ShowWithSavedState();
    return true;
}

void CKpApp::ExitInstance()
{
    messages_.setParent(nullptr);
    // The frame and its view write their own keys when they are destroyed.
    frame_.reset();
    WriteSettings();
}

void CKpApp::ReadSettings()
{
    settings_ = LoadSettings(store_, SystemColoursFromPalette());
    fonts_[static_cast<std::size_t>(AppFont::Property)] = FontFromDescription(settings_.property.font);
    fonts_[static_cast<std::size_t>(AppFont::TraceAll)] = FontFromDescription(settings_.traceAll.font);
    fonts_[static_cast<std::size_t>(AppFont::BlockFile)] = FontFromDescription(settings_.blockFile.font);
    fonts_[static_cast<std::size_t>(AppFont::Wave)] = FontFromDescription(settings_.waveFont);
    fonts_[static_cast<std::size_t>(AppFont::Main)] = FontFromDescription(settings_.main.font);
}

void CKpApp::WriteSettings()
{
    SaveSettings(settings_, store_);
    if (!store_.flush())
        std::fprintf(
            stderr, "kp: the settings could not be written to %s\n", store_.fileName().toLocal8Bit().constData());
}

} // namespace kp
