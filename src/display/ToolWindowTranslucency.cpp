#include "display/ToolWindowTranslucency.h"

#include "app/KpSettings.h"
#include "infowin/ToolWindow.h"
#include "view/ToolWindowOpacity.h"

#include <QAction>
#include <QInputDialog>
#include <QWidget>

namespace kp {

ToolWindowTranslucency::ToolWindowTranslucency(QWidget& frame, KpSettings& settings)
    : QObject(&frame)
    , frame_(frame)
    , settings_(settings)
{
    toggle_ = new QAction(QStringLiteral("&Translucent Dialogs"), this);
    toggle_->setObjectName(QStringLiteral("TranslucentDialogsCommand"));
    toggle_->setCheckable(true);
    toggle_->setChecked(settings_.dlgLayered);
    toggle_->setStatusTip(QStringLiteral("Draw the tool windows translucent."));
    density_ = new QAction(QStringLiteral("Change Dialogs &Density..."), this);
    density_->setObjectName(QStringLiteral("DialogDensityCommand"));
    density_->setStatusTip(QStringLiteral("Set how opaque the translucent tool windows are."));
    connect(toggle_, &QAction::triggered, this, &ToolWindowTranslucency::SetTranslucent);
    connect(density_, &QAction::triggered, this, &ToolWindowTranslucency::AskDensity);
    ask_ = [this](int current) -> std::optional<int> {
        bool ok = false;
        const int value = QInputDialog::getInt(&frame_, QStringLiteral("Dialog Density(%)"), QString(), current,
            kMinDialogDensity, kMaxDialogDensity, 1, &ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    };
}

void ToolWindowTranslucency::SetTranslucent(bool on)
{
    settings_.dlgLayered = on;
    toggle_->setChecked(on);
    ApplyToAll();
}

void ToolWindowTranslucency::AskDensity()
{
    if (const auto chosen = ask_(ClampDialogDensity(settings_.dlgLayeredBlend))) {
        settings_.dlgLayeredBlend = ClampDialogDensity(*chosen);
        ApplyToAll();
    }
}

void ToolWindowTranslucency::ApplyToAll()
{
    for (ToolWindow* window : frame_.findChildren<ToolWindow*>())
        window->ApplyTranslucency(settings_);
}

} // namespace kp
