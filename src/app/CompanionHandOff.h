#pragma once
// Files of the maker's data loggers are not shown here but handed to the
// companion application. Where it is: the path the user chose once (stored
// as "StripApp"), else a "StripApp" program beside this program or on the
// PATH, else the user is asked to choose it. The document stays closed.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

class UserMessages;
struct KpSettings;

// The companion's file name on this platform ("StripApp.exe" on Windows).
std::string CompanionFileName();

// The companion programs to try after the stored path, in order: this
// program's folder, then each folder of the PATH (entries split at the
// platform's list separator; empty entries skipped). Only existing files.
std::vector<std::filesystem::path> CompanionCandidates(
    const std::filesystem::path& programFolder, std::string_view pathVariable);

class CompanionHandOff {
public:
    // Starts program with the file as its one argument; false when it could
    // not be started.
    using Starter = std::function<bool(const std::filesystem::path& program, const std::filesystem::path& file)>;
    // Lets the user pick the companion; empty when cancelled.
    using Chooser = std::function<std::filesystem::path()>;

    // The programs to try after the stored path, looked up at each hand-off.
    using Candidates = std::function<std::vector<std::filesystem::path>()>;

    CompanionHandOff(
        KpSettings& settings, UserMessages& messages, Starter start, Chooser choose, Candidates candidates);

    // Hands one file over; shows 4019 and the chooser, or 4020, as needed.
    void HandOff(const std::filesystem::path& file);
    // Set when the companion was started for the file being opened.
    bool HandedOff() const { return handedOff_; }
    void ResetFlag() { handedOff_ = false; }

private:
    void Start(const std::filesystem::path& program, const std::filesystem::path& file);

    KpSettings& settings_;
    UserMessages& messages_;
    Starter start_;
    Chooser choose_;
    Candidates candidates_;
    bool handedOff_ = false;
};

} // namespace kp
