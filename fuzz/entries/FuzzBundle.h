#pragma once
// A fuzz input that stands for several files: the file the program is asked to
// open, then the files beside it (the ones an index lists). Parts are joined
// with a marker; every part after the first starts with its file name and a
// newline. The seed writer joins, the fuzz entries split, so both agree here.
//
//   <opened file bytes> MARK <name> "\n" <bytes> MARK <name> "\n" <bytes> ...

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kp::fuzz {

inline constexpr std::string_view kBundleMark = "#KP-NEXT-FILE#";
// Names of companion files: plain names in the one folder, nothing else.
inline constexpr std::size_t kBundleNameMax = 40;
// The opened file is always written under this name.
inline constexpr std::string_view kOpenedName = "OPENED.DAT";

struct BundleFile {
    std::string name;
    std::span<const std::uint8_t> bytes;
};

struct Bundle {
    std::span<const std::uint8_t> opened;
    std::vector<BundleFile> companions; // unique plain names, in input order
};

// A companion name the entries will write: letters, digits, '.', '_', '-',
// not starting with '.', at most kBundleNameMax characters, not the opened name.
inline bool IsBundleName(std::string_view name)
{
    if (name.empty() || name.size() > kBundleNameMax || name.front() == '.' || name == kOpenedName)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_'
            || c == '-';
    });
}

inline Bundle SplitBundle(std::span<const std::uint8_t> input)
{
    const auto* mark = reinterpret_cast<const std::uint8_t*>(kBundleMark.data());
    std::vector<std::span<const std::uint8_t>> parts;
    auto rest = input;
    while (true) {
        const auto at = std::search(rest.begin(), rest.end(), mark, mark + kBundleMark.size());
        if (at == rest.end()) {
            parts.push_back(rest);
            break;
        }
        const auto cut = static_cast<std::size_t>(at - rest.begin());
        parts.push_back(rest.first(cut));
        rest = rest.subspan(cut + kBundleMark.size());
    }

    Bundle bundle;
    bundle.opened = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const auto part = parts[i];
        const auto newline = std::find(part.begin(), part.end(), std::uint8_t { '\n' });
        if (newline == part.end())
            continue;
        const std::string name(part.begin(), newline);
        if (!IsBundleName(name))
            continue;
        const bool seen = std::any_of(
            bundle.companions.begin(), bundle.companions.end(), [&](const BundleFile& f) { return f.name == name; });
        if (!seen)
            bundle.companions.push_back({ name, part.subspan(static_cast<std::size_t>(newline - part.begin()) + 1) });
    }
    return bundle;
}

inline std::vector<std::uint8_t> JoinBundle(const std::vector<std::uint8_t>& opened,
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& files)
{
    std::vector<std::uint8_t> out(opened);
    for (const auto& [name, bytes] : files) {
        out.insert(out.end(), kBundleMark.begin(), kBundleMark.end());
        out.insert(out.end(), name.begin(), name.end());
        out.push_back('\n');
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

} // namespace kp::fuzz
