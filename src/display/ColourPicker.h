#pragma once
// The colour and font dialogs of the panes' colour and font commands. Both
// open on the current value and change it only on OK; every colour dialog
// shares the application's one set of 16 custom colours.

#include "app/KpSettings.h"

#include <QColor>

#include <string>

class QWidget;

namespace kp {

inline QColor ToQColor(RgbColour c)
{
    return QColor(c.red, c.green, c.blue);
}
inline RgbColour FromQColor(const QColor& c)
{
    return { static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
        static_cast<std::uint8_t>(c.blue()) };
}

bool PickColour(QWidget* parent, RgbColour& colour, CustomColours& custom);
// description: the stored font description; empty is the default font.
bool PickFont(QWidget* parent, std::string& description);

} // namespace kp
