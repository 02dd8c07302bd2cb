#pragma once
// The newest software versions as the maker's web host lists them in
// "/Version/SoftwareVerInfoDB.csv": one comma-separated line per product,
// the line of this program beginning with "5595-50,". The response comes from
// the network and is read as untrusted text: its size is capped, and the only
// field that may be opened (the download address) must be a plain http or
// https address.

#include "app/SettingsKeys.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kp {

namespace settings {
// The host asked, as "scheme://name[:port]".
inline constexpr SettingKey kVersionHost { kMain, "VersionHost" };
} // namespace settings

inline constexpr std::string_view kVersionFilePath = "/Version/SoftwareVerInfoDB.csv";
inline constexpr std::string_view kDefaultVersionHost = "https://www.voranwerk.example";
inline constexpr std::string_view kVersionLinePrefix = "5595-50,";
// Larger answers are not a version list.
inline constexpr std::size_t kMaxVersionFileBytes = 256 * 1024;
inline constexpr int kMaxVersionLines = 5;

struct VersionInfo {
    std::string text; // the whole answer, as shown first
    std::vector<std::string> matching; // the lines of this program, at most 5
    // From the first matching line: the message shown, and the address
    // offered for opening (empty when field 5 is not a web address).
    std::string message;
    std::string link;
};

VersionInfo ParseVersionFile(std::string_view text);

// True for "http://" or "https://" (any case) followed by a host and nothing
// that a shell or a browser would read as more than one address.
bool IsWebLink(std::string_view text);

} // namespace kp
