// Kp: one executable for the viewer and the unattended converter. The command
// line is read before anything else, so that "/CONV" never creates a window,
// a QApplication or a display connection.
#include "app/CKpCommandLineInfo.h"
#include "app/CommandLineUsage.h"
#include "app/KpSettings.h"
#include "app/LongOptions.h"
#include "app/UnattendedConversion.h"
#include "export/ConvertWaveFile.h"
#include "platform/LocaleInfo.h"
#include "platform/TerminalProgress.h"
#include "platform/UserMessages.h"
#include "view/InfoCommand.h"
#include "view/TraceCommand.h"

#if !defined(KP_NO_GUI)
#include "app/QtKpApp.h"
#include "app/QtSettingsStore.h"
#include "display/ScreenshotMode.h"
#else
#include "platform/SettingsStore.h"
#endif

#include <cstdio>
#include <string>
#include <vector>

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
    const std::vector<std::string> sources = commandLine.GetConversionSources();
    const std::vector<kp::UnattendedResult> results
        = kp::RunUnattendedConversions(commandLine, settings, kp::ConvertWaveFile, progress);
    progress.end();
    kp::SaveConversionChoices(settings, store);
#if !defined(KP_NO_GUI)
    if (!store.flush())
        std::fprintf(
            stderr, "kp: the settings could not be written to %s\n", store.fileName().toLocal8Bit().constData());
#endif
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (results[i].status == kp::UnattendedResult::Status::Converted)
            continue;
        // With several recordings every line says which one it is about.
        const std::string& source = sources[i];
        if (results.size() > 1 && results[i].reason.find(source) == std::string::npos)
            std::fprintf(stderr, "kp: %s: %s\n", source.c_str(), results[i].reason.c_str());
        else
            std::fprintf(stderr, "kp: %s\n", results[i].reason.c_str());
    }
    return kp::ExitCodeOf(results);
}

// The printers write to stdout and never touch the settings.
int RunPrinter(int (*command)(const std::vector<std::string>&, std::string&, std::string&), int argc, char** argv)
{
    std::string out, err;
    const int status = command(std::vector<std::string>(argv + 1, argv + argc), out, err);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputs(err.c_str(), stderr);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    kp::InitLocaleFromSystem();

    // A mistyped option is reported before anything else happens, on every
    // road and without a display.
    kp::CKpCommandLineInfo commandLine;
    commandLine.ParseCommandLine(argc, argv);
    if (const auto& unknown = commandLine.UnknownOption()) {
        std::fputs(kp::UnknownOptionMessage(*unknown).c_str(), stderr);
        return 2;
    }
    if (commandLine.LongOptionGiven("screen-size") && !commandLine.LongOptionGiven("screenshot")) {
        std::fputs("kp: --screen-size goes with --screenshot (see kp --help)\n", stderr);
        return 2;
    }

    if (commandLine.LongOptionGiven("trace"))
        return RunPrinter(kp::RunTraceCommand, argc, argv);
    if (commandLine.LongOptionGiven("info"))
        return RunPrinter(kp::RunInfoCommand, argc, argv);
    for (const char* option : { "notation", "json" }) {
        if (commandLine.LongOptionGiven(option)) {
            std::fprintf(stderr, "kp: --%s goes with --trace or --info (see kp --help)\n", option);
            return 2;
        }
    }
    for (const char* option : { "a", "b", "lf", "format", "unit", "calc", "tab" }) {
        if (commandLine.LongOptionGiven(option)) {
            std::fprintf(stderr, "kp: --%s goes with --trace (see kp --help)\n", option);
            return 2;
        }
    }

#if !defined(KP_NO_GUI)
    if (kp::IsScreenshotRequest(argc, argv))
        return kp::RunScreenshot(argc, argv);
#endif

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
