// Kp: one executable for the viewer and the unattended converter. The command
// line is read before anything else, so that "/CONV" never creates a window,
// a QApplication or a display connection.
#include "app/CKpCommandLineInfo.h"
#include "app/CommandLineUsage.h"
#include "app/KpSettings.h"
#include "app/UnattendedConversion.h"
#include "export/ConvertWaveFile.h"
#include "platform/LocaleInfo.h"
#include "platform/TerminalProgress.h"
#include "platform/UserMessages.h"

#if !defined(KP_NO_GUI)
#include "app/QtKpApp.h"
#include "app/QtSettingsStore.h"
#include "display/ScreenshotMode.h"
#else
#include "platform/SettingsStore.h"
#endif

#include <cstdio>
#include <string>

namespace {

int RunConversion(const kp::CKpCommandLineInfo& commandLine)
{
#if !defined(KP_NO_GUI)
    kp::QtSettingsStore store;
#else
    kp::MemorySettingsStore store;
#endif
    kp::KpSettings settings = kp::LoadSettings(store);
    kp::TerminalProgress progress = kp::TerminalProgress::ForStderr();
    const kp::UnattendedResult result = kp::RunUnattendedConversion(commandLine, settings, kp::ConvertWaveFile, progress);
    progress.end();
    kp::SaveConversionChoices(settings, store);
#if !defined(KP_NO_GUI)
    if (!store.flush())
        std::fprintf(stderr, "kp: the settings could not be written to %s\n",
                     store.fileName().toLocal8Bit().constData());
#endif
    if (result.status != kp::UnattendedResult::Status::Converted)
        std::fprintf(stderr, "kp: %s\n", result.reason.c_str());
    return result.ExitCode();
}

} // namespace

int main(int argc, char** argv)
{
    kp::InitLocaleFromSystem();

#if !defined(KP_NO_GUI)
    if (kp::IsScreenshotRequest(argc, argv))
        return kp::RunScreenshot(argc, argv);
#endif

    kp::CKpCommandLineInfo commandLine;
    commandLine.ParseCommandLine(argc, argv);
    if (commandLine.HelpRequested()) {
        std::fputs(kp::UsageText().c_str(), stdout);
        return 0;
    }
    if (commandLine.VersionRequested()) {
        std::fputs(kp::VersionText().c_str(), stdout);
        return 0;
    }
    if (commandLine.Lookup("CONV"))
        return RunConversion(commandLine);

#if !defined(KP_NO_GUI)
    kp::CKpApp app;
    return app.Run(argc, argv);
#else
    std::fputs("kp: this build has no viewer; convert with /CONV (see kp --help)\n", stderr);
    return 2;
#endif
}
