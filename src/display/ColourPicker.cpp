#include "display/ColourPicker.h"

#include "app/QtFontDescription.h"

#include <QColorDialog>
#include <QFontDialog>

namespace kp {

bool PickColour(QWidget* parent, RgbColour& colour, CustomColours& custom)
{
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(custom[static_cast<std::size_t>(i)]));
    const QColor picked = QColorDialog::getColor(ToQColor(colour), parent);
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        custom[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    if (!picked.isValid())
        return false;
    colour = FromQColor(picked);
    return true;
}

bool PickFont(QWidget* parent, std::string& description)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, FontFromDescription(description), parent);
    if (!ok)
        return false;
    description = FontDescription(font);
    return true;
}

} // namespace kp
