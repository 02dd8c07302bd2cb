#include "app/FolderFileList.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace kp {

namespace {

char Fold(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Fold(x) == Fold(y); });
}

// The file system's own order differs between platforms; by name, as users
// see a folder listed, is the same everywhere. Equal names but for case keep
// one fixed order.
bool NameOrder(const std::string& a, const std::string& b)
{
    const auto folded = std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Fold(x) < Fold(y); });
    if (folded)
        return true;
    const auto reverse = std::lexicographical_compare(
        b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) { return Fold(x) < Fold(y); });
    return !reverse && a < b;
}

} // namespace

bool FolderFileList::IsListedName(std::string_view name)
{
    static constexpr std::array<std::string_view, 6> kExtensions { "MEM", "REC", "RMS", "POW", "XYC", "WAV" };
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view ext = name.substr(dot + 1);
    return std::any_of(
        kExtensions.begin(), kExtensions.end(), [&](std::string_view e) { return EqualIgnoringCase(ext, e); });
}

bool FolderFileList::ScanFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return false;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return false;
    std::vector<std::string> names;
    for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        if (it->is_directory(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (IsListedName(name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), NameOrder);
    names_ = std::move(names);
    folder_ = folder;
    current_ = 0;
    return true;
}

void FolderFileList::NoteOpened(const std::filesystem::path& path, bool opened)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::current_path();
    const std::string name = path.has_parent_path() ? path.filename().string() : std::string();
    bool scanned = false;
    if (folder != folder_) {
        // A folder that cannot be read leaves no list to step through.
        scanned = ScanFolder(folder);
        if (!scanned) {
            names_.clear();
            folder_.clear();
            current_ = 0;
        }
    } else {
        scanned = !names_.empty();
    }
    if (scanned && opened) {
        const int index = FindFileIndex(name);
        if (index != -1)
            current_ = index;
    }
}

bool FolderFileList::StepFile(int delta, const std::function<bool(const std::filesystem::path&)>& open)
{
    if (names_.empty())
        return false;
    const long long last = GetFileCount() - 1;
    const int target = static_cast<int>(std::clamp(static_cast<long long>(current_) + delta, 0LL, last));
    if (target == current_)
        return false;
    const std::filesystem::path path = folder_ / names_[static_cast<std::size_t>(target)];
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return false;
    current_ = target;
    open(path);
    return true;
}

int FolderFileList::FindFileIndex(std::string_view name) const
{
    const auto it = std::find(names_.begin(), names_.end(), name);
    return it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

std::string FolderFileList::CounterText() const
{
    if (names_.empty())
        return "---";
    return std::to_string(current_ + 1) + "/" + std::to_string(names_.size());
}

} // namespace kp
