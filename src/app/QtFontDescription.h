#pragma once
// Fonts are stored as Qt's font description text; an empty or unreadable
// description means the application's default font.

#include <QFont>

#include <string>

namespace kp {

QFont FontFromDescription(const std::string& description);
std::string FontDescription(const QFont& font);

} // namespace kp
