#include "app/RecentFileList.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <string_view>

namespace kp {

namespace {

constexpr std::string_view kRecentFileSection = "Recent File List";

std::string KeyOf(int i)
{
    return "File" + std::to_string(i + 1);
}

} // namespace

void RecentFileList::Load(const SettingsStore& store)
{
    files_.clear();
    const std::string section(kRecentFileSection);
    for (int i = 0; i < kSize; ++i) {
        std::string path = store.readText(section, KeyOf(i), "");
        if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end())
            files_.push_back(std::move(path));
    }
}

void RecentFileList::Save(SettingsStore& store) const
{
    const std::string section(kRecentFileSection);
    for (int i = 0; i < kSize; ++i)
        store.writeText(
            section, KeyOf(i), i < static_cast<int>(files_.size()) ? files_[static_cast<std::size_t>(i)] : "");
}

void RecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > static_cast<std::size_t>(kSize))
        files_.resize(kSize);
}

void RecentFileList::Remove(const std::string& path)
{
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
}

} // namespace kp
