#pragma once
// "&Translucent Dialogs" and "Change Dialogs &Density...": the tool windows
// of the frame drawn translucent at the density the user chose. Both values
// live in the application's settings; every tool window of the frame takes
// them at once, and a window created later takes them when it is made.

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace kp {

struct KpSettings;

class ToolWindowTranslucency : public QObject {
    Q_OBJECT

public:
    // Asks for the density in percent, starting from the current one;
    // nothing when the user cancels.
    using DensityAsker = std::function<std::optional<int>(int current)>;

    ToolWindowTranslucency(QWidget& frame, KpSettings& settings);

    QAction* toggle() const { return toggle_; }
    QAction* density() const { return density_; }
    void SetDensityAsker(DensityAsker asker) { ask_ = std::move(asker); }

    void SetTranslucent(bool on);
    void AskDensity();
    // Every tool window of the frame as the settings say.
    void ApplyToAll();

private:
    QWidget& frame_;
    KpSettings& settings_;
    QAction* toggle_ = nullptr;
    QAction* density_ = nullptr;
    DensityAsker ask_;
};

} // namespace kp
