#include "app/UnattendedConversion.h"

#include "app/CKpCommandLineInfo.h"
#include "app/ConversionSwitches.h"
#include "app/KpSettings.h"
#include "platform/ProgressWindow.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <system_error>

namespace kp {

namespace fs = std::filesystem;

namespace {

// A dangling link counts as taken: writing through it would create a file
// somewhere else.
bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

UnattendedResult Fail(UnattendedResult::Status status, std::string reason, fs::path output = {})
{
    UnattendedResult r;
    r.status = status;
    r.reason = std::move(reason);
    r.output = std::move(output);
    return r;
}

std::string Suffix(int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "-%03d", n);
    return buffer;
}

} // namespace

int UnattendedResult::ExitCode() const
{
    switch (status) {
    case Status::Converted:
        return 0;
    case Status::Failed:
        return 1;
    case Status::UsageError:
        return 2;
    }
    return 1;
}

fs::path ChooseOutputPath(const fs::path& folder, const fs::path& source, std::string_view extension)
{
    const std::string title = source.stem().string();
    fs::path output = folder / (title + std::string(extension));
    if (!Exists(output))
        return output;
    for (int n = 0; n <= kMaxOutputSuffix; ++n) {
        output = folder / (title + Suffix(n) + std::string(extension));
        if (!Exists(output))
            return output;
    }
    return {};
}

std::string OneLine(std::string_view text)
{
    std::string out;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (!line.empty()) {
            if (!out.empty())
                out += ' ';
            out += line;
        }
        pos = end + 1;
    }
    return out;
}

UnattendedResult RunUnattendedConversion(const CKpCommandLineInfo& commandLine, KpSettings& settings,
    const WaveFileConverter& converter, ProgressWindow& progress)
{
    const auto source = commandLine.Lookup("CONV");
    return RunUnattendedConversion(commandLine, settings, converter, progress, source ? *source : std::string());
}

std::vector<UnattendedResult> RunUnattendedConversions(const CKpCommandLineInfo& commandLine, KpSettings& settings,
    const WaveFileConverter& converter, ProgressWindow& progress)
{
    std::vector<UnattendedResult> results;
    for (const std::string& source : commandLine.GetConversionSources()) {
        results.push_back(RunUnattendedConversion(commandLine, settings, converter, progress, source));
        if (results.back().status == UnattendedResult::Status::UsageError)
            break;
    }
    return results;
}

int ExitCodeOf(const std::vector<UnattendedResult>& results)
{
    int code = 0;
    for (const UnattendedResult& r : results)
        code = std::max(code, r.ExitCode());
    return code;
}

UnattendedResult RunUnattendedConversion(const CKpCommandLineInfo& commandLine, KpSettings& settings,
    const WaveFileConverter& converter, ProgressWindow& progress, const std::string& sourceName)
{
    using Status = UnattendedResult::Status;

    // A switch without its value would otherwise be taken literally: the
    // source "TRUE", or an output folder named "TRUE".
    if (!commandLine.HasValue("CONV") || commandLine.Lookup("CONV")->empty())
        return Fail(Status::UsageError, "no waveform file follows /CONV");
    if (commandLine.Lookup("DEST") && !commandLine.HasValue("DEST"))
        return Fail(Status::UsageError, "no output folder follows /DEST");

    const ConversionSwitches switches = ReadConversionSwitches(commandLine, settings.saveFolder);
    const fs::path source = sourceName;
    const std::string_view extension = ExtensionForFormat(switches.format);
    fs::path output = ChooseOutputPath(switches.folder, source, extension);

    settings.saveFormat = switches.format;
    settings.saveNewLine = switches.crlf ? 1 : 0;

    if (output.empty()) {
        const fs::path last
            = switches.folder / (source.stem().string() + Suffix(kMaxOutputSuffix) + std::string(extension));
        return Fail(Status::Failed, "all output names exist, up to " + last.string());
    }
    if (!Exists(source))
        return Fail(
            Status::Failed, OneLine(std::string(KpString(IDS_FILE_NOT_FOUND)) + "\n\n" + source.string()), output);

    ConversionRequest request;
    request.source = source;
    request.output = output;
    request.thinOut = switches.thinOut;
    request.notation = switches.notation;
    request.header = switches.header;
    request.headerType = switches.headerType;
    request.format = switches.format;
    request.crlf = switches.crlf;
    // No message ever reaches the screen on this road: the messages are
    // collected silently so that the reason of a failure can be printed.
    request.showErrors = true;
    // A conversion running side by side may take the chosen name first; the
    // search then starts again and finds the next free one.
    request.nextOutput = [&](const fs::path&) {
        output = ChooseOutputPath(switches.folder, source, extension);
        return output;
    };

    SilentMessages messages;
    bool converted = false;
    try {
        converted = converter(request, messages, progress);
    } catch (const std::exception& e) {
        return Fail(Status::Failed, OneLine(e.what()), output);
    }

    if (!messages.lastText().empty())
        return Fail(Status::Failed, OneLine(messages.lastText()), output);
    if (!converted)
        return Fail(Status::Failed, "could not convert " + source.string(), output);
    if (!Exists(output))
        return Fail(Status::Failed, "nothing was written for " + source.string(), output);

    UnattendedResult r;
    r.status = Status::Converted;
    r.output = output;
    return r;
}

} // namespace kp
