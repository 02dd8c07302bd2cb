#include "infowin/ListStyle.h"

#include "app/KpSettings.h"
#include "app/QtFontDescription.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>
#include <QPalette>
#include <QWidget>

namespace kp {

namespace {

QColor ToQColor(const RgbColour& c)
{
    return QColor(c.red, c.green, c.blue);
}

RgbColour FromQColor(const QColor& c)
{
    return { static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
        static_cast<std::uint8_t>(c.blue()) };
}

// A colour dialog on one of the style's colours; true when OK changed it.
bool PickColour(RgbColour& colour, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(colour), parent);
    if (!chosen.isValid())
        return false;
    colour = FromQColor(chosen);
    return true;
}

} // namespace

void ApplyListStyle(QWidget& list, const PaneStyle& style)
{
    QPalette p = list.palette();
    p.setColor(QPalette::Text, ToQColor(style.text));
    p.setColor(QPalette::Base, ToQColor(style.back));
    list.setPalette(p);
    list.setFont(style.font.empty() ? QFont() : FontFromDescription(style.font));
}

void AddListStyleMenu(QMenu& menu, PaneStyle& style, QWidget* dialogParent, std::function<void()> changed)
{
    QMenu* colour = menu.addMenu(QStringLiteral("&Color"));
    QObject::connect(
        colour->addAction(QStringLiteral("&Text...")), &QAction::triggered, &menu, [&style, dialogParent, changed] {
            if (PickColour(style.text, dialogParent))
                changed();
        });
    QObject::connect(colour->addAction(QStringLiteral("&Background...")), &QAction::triggered, &menu,
        [&style, dialogParent, changed] {
            if (PickColour(style.back, dialogParent))
                changed();
        });
    QObject::connect(
        colour->addAction(QStringLiteral("&Font...")), &QAction::triggered, &menu, [&style, dialogParent, changed] {
            bool ok = false;
            const QFont initial = style.font.empty() ? QFont() : FontFromDescription(style.font);
            const QFont font = QFontDialog::getFont(&ok, initial, dialogParent);
            if (!ok)
                return;
            style.font = FontDescription(font);
            changed();
        });
}

} // namespace kp
