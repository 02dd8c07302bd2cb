#pragma once
// The waveform files of the folder that the last opened file came from, so
// that the main frame can step to the previous, next, first or last one. The
// folder is scanned once when a file from another folder is opened; opening a
// second file of the same folder only moves the current index.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

class FolderFileList {
public:
    // Lists the folder's files with a waveform extension (MEM, REC, RMS, POW,
    // XYC, WAV, any case), ordered by name ignoring case, ties broken by the
    // exact name. False, with the list untouched, when the folder does not
    // exist or cannot be read.
    bool ScanFolder(const std::filesystem::path& folder);

    // What the application's open does after the document was asked to open
    // path: rescans when the file lies in another folder (compared exactly,
    // so a folder renamed in case rescans), and when the open succeeded moves
    // the current index to the file.
    void NoteOpened(const std::filesystem::path& path, bool opened);

    // Opens the file delta places away, clipped to the list's ends. Does
    // nothing and answers false when that is the current file or the file has
    // vanished; otherwise the index moves there before open runs.
    bool StepFile(int delta, const std::function<bool(const std::filesystem::path&)>& open);

    // The index of an exact, case-sensitive name; -1 when it is not listed.
    int FindFileIndex(std::string_view name) const;

    int GetFileCount() const { return static_cast<int>(names_.size()); }
    int GetCurrentIndex() const { return current_; }
    const std::filesystem::path& GetFolder() const { return folder_; }
    const std::vector<std::string>& GetNames() const { return names_; }
    bool CanStepBack() const { return !names_.empty() && current_ > 0; }
    bool CanStepForward() const { return !names_.empty() && current_ < GetFileCount() - 1; }
    // "n/m" of the current file, "---" while the list is empty.
    std::string CounterText() const;

    // True when the name's extension is one of the listed waveform kinds.
    static bool IsListedName(std::string_view name);

private:
    std::filesystem::path folder_;
    std::vector<std::string> names_;
    int current_ = 0;
};

} // namespace kp
