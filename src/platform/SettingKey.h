#pragma once
// The address of one stored setting: its section and its key.

#include <string_view>

namespace kp {

struct SettingKey {
    std::string_view section;
    std::string_view key;
};

} // namespace kp
