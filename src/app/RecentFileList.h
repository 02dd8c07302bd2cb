#pragma once
// The recent-file list: the last eight files opened, newest first, kept in
// its own settings section as "File1" ... "File8".

#include <string>
#include <vector>

namespace kp {

class SettingsStore;

class RecentFileList {
public:
    static constexpr int kSize = 8;

    void Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;

    // Moves the file to the front (a file already listed is not repeated).
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Files() const { return files_; }

private:
    std::vector<std::string> files_;
};

} // namespace kp
