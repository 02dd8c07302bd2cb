#include "app/ScriptConversion.h"

#include "app/CKpCommandLineInfo.h"
#include "app/KpSettings.h"
#include "app/UnattendedConversion.h"
#include "export/ConvertWaveFile.h"
#include "platform/ProgressWindow.h"
#include "platform/SettingsStore.h"

#include <array>
#include <utility>

namespace kp {

namespace {

using Choice = std::pair<const char*, const char*>; // option value, switch

std::optional<std::string> SwitchOf(const std::string& value, const std::vector<Choice>& choices)
{
    for (const auto& [name, sw] : choices)
        if (value == name)
            return std::string("-") + sw;
    return std::nullopt;
}

std::string Expected(const char* option, const std::vector<Choice>& choices)
{
    std::string text = std::string(option) + " must be one of";
    for (std::size_t i = 0; i < choices.size(); ++i)
        text += std::string(i == 0 ? " \"" : ", \"") + choices[i].first + "\"";
    return text;
}

} // namespace

ScriptConversionTokens ConversionTokensOf(const ScriptConversionOptions& o)
{
    static const std::vector<Choice> formats { { "csv", "CSV" }, { "space", "SPACE" }, { "tab", "TAB" } };
    static const std::vector<Choice> times { { "sec", "SEC" }, { "date", "DATE" }, { "time", "TIME" },
        { "point", "POINT" } };
    static const std::vector<Choice> newlines { { "crlf", "CRLF" }, { "lf", "LF" } };
    static const std::vector<Choice> names { { "numbers", "CHHEADNO" }, { "comments", "CHHEADCOMM" } };

    ScriptConversionTokens result;
    if (o.thinOut < 1 || o.thinOut > 10000) {
        result.error = "thinout must be within 1 to 10000";
        return result;
    }
    // A name that begins with "-" would read as a switch.
    auto plain = [](const std::filesystem::path& p) {
        const std::string text = p.string();
        return !text.empty() && text[0] == '-' ? "./" + text : text;
    };
    std::vector<std::string> t { "-CONV", plain(o.source), "-DEST", plain(o.folder), "-THINOUT",
        std::to_string(o.thinOut) };
    const std::array<std::pair<const char*, std::pair<const std::string*, const std::vector<Choice>*>>, 4> picks { {
        { "format", { &o.format, &formats } },
        { "time", { &o.time, &times } },
        { "newline", { &o.newline, &newlines } },
        { "channel_names", { &o.channelNames, &names } },
    } };
    for (const auto& [option, pick] : picks) {
        const auto sw = SwitchOf(*pick.first, *pick.second);
        if (!sw) {
            result.error = Expected(option, *pick.second);
            return result;
        }
        t.push_back(*sw);
    }
    const std::array<std::pair<bool, const char*>, 6> offs { {
        { o.header, "-NOHEAD" },
        { o.storeInfo, "-NOSTOREHEAD" },
        { o.channelInfo, "-NOCHINFO" },
        { o.channelHeader, "-NOCHHEAD" },
        { o.eventInfo, "-NOEVENT" },
        { o.timeColumn, "-NOTIMEVALUE" },
    } };
    for (const auto& [on, sw] : offs)
        if (!on)
            t.push_back(sw);
    result.tokens = std::move(t);
    return result;
}

ScriptConversionResult RunScriptConversion(const ScriptConversionOptions& options)
{
    ScriptConversionResult result;
    const ScriptConversionTokens tokens = ConversionTokensOf(options);
    if (tokens.tokens.empty()) {
        result.usageError = true;
        result.reason = tokens.error;
        return result;
    }
    CKpCommandLineInfo commandLine;
    commandLine.ParseCommandLine(tokens.tokens);
    // The script's choices must not become the viewer's saved defaults.
    MemorySettingsStore store;
    KpSettings settings = LoadSettings(store);
    NullProgress progress;
    const UnattendedResult r = RunUnattendedConversion(commandLine, settings, ConvertWaveFile, progress);
    result.converted = r.status == UnattendedResult::Status::Converted;
    result.usageError = r.status == UnattendedResult::Status::UsageError;
    result.output = r.output;
    result.reason = r.reason;
    return result;
}

} // namespace kp
