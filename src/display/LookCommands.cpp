#include "display/LookCommands.h"

#include "app/KpSettings.h"
#include "app/QtFontDescription.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "display/ColourPicker.h"
#include "display/PaneSet.h"
#include "view/ColourScheme.h"

#include <QAction>

namespace kp {

LookCommands::LookCommands(CMainFrame& frame, PaneSet& panes)
    : QObject(&frame)
    , frame_(frame)
    , panes_(panes)
{
    black_ = new QAction(QStringLiteral("&Black Background"), this);
    white_ = new QAction(QStringLiteral("&White Background"), this);
    connect(black_, &QAction::triggered, this, [this] { ApplyScheme(1); });
    connect(white_, &QAction::triggered, this, [this] { ApplyScheme(2); });

    KpSettings& s = frame.Settings();
    auto colour = [this, &s](const QString& text, RgbColour KpSettings::*member) {
        auto* a = new QAction(text, this);
        connect(a, &QAction::triggered, this, [this, &s, member] {
            if (PickColour(&frame_, s.*member, s.customColours))
                Refresh();
        });
        return a;
    };
    text_ = colour(QStringLiteral("&Text..."), &KpSettings::waveCharColor);
    back_ = colour(QStringLiteral("&Background..."), &KpSettings::waveBackColor);
    grid_ = colour(QStringLiteral("&Grid..."), &KpSettings::waveGridColor);
    font_ = new QAction(QStringLiteral("&Font..."), this);
    connect(font_, &QAction::triggered, this, [this, &s] {
        if (PickFont(&frame_, s.waveFont)) {
            frame_.View().SetDisplayFont(FontFromDescription(s.waveFont));
            Refresh();
        }
    });
    hack_ = new QAction(QStringLiteral("Hack Mode"), this);
    hack_->setCheckable(true);
    hack_->setChecked(s.hackMode);
    connect(hack_, &QAction::toggled, this, [&s](bool on) { s.hackMode = on; });
}

void LookCommands::ApplyScheme(int scheme)
{
    if (scheme != 1 && scheme != 2)
        return;
    kp::ApplyScheme(frame_.Settings(), ReadScheme(frame_.Services().store, static_cast<SchemeId>(scheme)));
    Refresh();
}

void LookCommands::Refresh()
{
    panes_.ApplyStyles();
    frame_.View().viewport()->update();
}

} // namespace kp
