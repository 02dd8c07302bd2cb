#include "app/CompanionHandOff.h"

#include "app/KpSettings.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"

#include <system_error>

namespace kp {

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& p)
{
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

} // namespace

std::string CompanionFileName()
{
#if defined(_WIN32)
    return "StripApp.exe";
#else
    return "StripApp";
#endif
}

std::vector<fs::path> CompanionCandidates(const fs::path& programFolder, std::string_view pathVariable)
{
#if defined(_WIN32)
    constexpr char kSeparator = ';';
#else
    constexpr char kSeparator = ':';
#endif
    std::vector<fs::path> folders;
    if (!programFolder.empty())
        folders.push_back(programFolder);
    std::size_t pos = 0;
    while (pos <= pathVariable.size()) {
        std::size_t end = pathVariable.find(kSeparator, pos);
        if (end == std::string_view::npos)
            end = pathVariable.size();
        // An empty entry would mean the current folder: never look there.
        if (end > pos)
            folders.emplace_back(std::string(pathVariable.substr(pos, end - pos)));
        pos = end + 1;
    }
    std::vector<fs::path> found;
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / CompanionFileName();
        if (IsFile(candidate))
            found.push_back(candidate);
    }
    return found;
}

CompanionHandOff::CompanionHandOff(
    KpSettings& settings, UserMessages& messages, Starter start, Chooser choose, Candidates candidates)
    : settings_(settings)
    , messages_(messages)
    , start_(std::move(start))
    , choose_(std::move(choose))
    , candidates_(std::move(candidates))
{
}

void CompanionHandOff::Start(const fs::path& program, const fs::path& file)
{
    if (start_(program, file))
        handedOff_ = true;
    else
        messages_.show(std::string(KpString(4020)), MessageButtons::Ok, MessageIcon::Error);
}

void CompanionHandOff::HandOff(const fs::path& file)
{
    const fs::path stored(settings_.stripApp);
    if (IsFile(stored)) {
        Start(stored, file);
        return;
    }
    // A program found in a folder is not stored: it may move with that folder.
    for (const fs::path& candidate : candidates_()) {
        if (IsFile(candidate)) {
            Start(candidate, file);
            return;
        }
    }
    messages_.show(std::string(KpString(4019)), MessageButtons::Ok, MessageIcon::Information);
    const fs::path chosen = choose_();
    if (chosen.empty())
        return;
    settings_.stripApp = chosen.string();
    Start(chosen, file);
}

} // namespace kp
