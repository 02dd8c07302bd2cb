#include "app/QtFontDescription.h"

#include <QGuiApplication>

namespace kp {

QFont FontFromDescription(const std::string& description)
{
    QFont font = QGuiApplication::font();
    if (!description.empty() && font.fromString(QString::fromStdString(description)))
        return font;
    return QGuiApplication::font();
}

std::string FontDescription(const QFont& font)
{
    return font.toString().toStdString();
}

} // namespace kp
