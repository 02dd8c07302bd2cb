#include "app/VersionInfo.h"

#include <algorithm>
#include <cctype>

namespace kp {

namespace {

std::vector<std::string> SplitFields(std::string_view line, std::size_t maxFields)
{
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (fields.size() + 1 < maxFields) {
        const std::size_t comma = line.find(',', pos);
        if (comma == std::string_view::npos)
            break;
        fields.emplace_back(line.substr(pos, comma - pos));
        pos = comma + 1;
    }
    fields.emplace_back(line.substr(pos));
    return fields;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

bool IsWebLink(std::string_view text)
{
    std::string_view rest;
    if (StartsWithIgnoringCase(text, "https://"))
        rest = text.substr(8);
    else if (StartsWithIgnoringCase(text, "http://"))
        rest = text.substr(7);
    else
        return false;
    if (rest.empty() || rest.front() == '/' || rest.size() > 2000)
        return false;
    return std::all_of(rest.begin(), rest.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > 0x20 && u < 0x7F && c != '"' && c != '\'' && c != '<' && c != '>' && c != '\\' && c != '`';
    });
}

VersionInfo ParseVersionFile(std::string_view text)
{
    VersionInfo info;
    info.text = std::string(text.substr(0, kMaxVersionFileBytes));
    std::string_view rest = info.text;
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.starts_with(kVersionLinePrefix) && static_cast<int>(info.matching.size()) < kMaxVersionLines)
            info.matching.emplace_back(line);
    }
    if (info.matching.empty())
        return info;
    const std::vector<std::string> f = SplitFields(info.matching.front(), 10);
    auto field = [&f](std::size_t i) { return i < f.size() ? f[i] : std::string(); };
    info.message = "Product: " + field(0) + "\nName: " + field(1) + "\nLatest version: " + field(2)
        + "\nReleased: " + field(3) + "\nDownload: " + field(5);
    if (IsWebLink(field(5)))
        info.link = field(5);
    return info;
}

} // namespace kp
