#pragma once
// What every tool window of the main frame shares: a Qt::Tool window owned by
// the frame that keeps its place relative to the frame when the frame moves,
// takes the dialogs' translucency, and says when the user closed it. Windows
// that store their rectangle relative to the frame and their visibility under
// a key of their own (trace, properties) give only their saved placement and
// their own keys; placing, saving and closing are done here.

// Qt first: the moc reads the date type's standard includes only after Qt's.
#include <QWidget>

#include "format/SettingsEncoding.h"

#include <optional>

namespace kp {

struct KpSettings;
class SettingsStore;

class ToolWindow : public QWidget {
    Q_OBJECT

public:
    // shownKey: where the window's visibility is stored, if anywhere.
    explicit ToolWindow(
        QWidget* frame, SettingsStore* store = nullptr, std::optional<SettingKey> shownKey = std::nullopt);

    QWidget* Frame() const { return frame_; }
    // "DlgLayered" and "DlgLayeredBlend" as the settings hold them now.
    void ApplyTranslucency(const KpSettings& settings);

    // Placed beside the frame as the saved placement or the free room says.
    void PlaceBesideFrame();
    // The window's own keys with its placement relative to the frame, then
    // its visibility.
    void SaveSettings();

signals:
    // The window's own close button (or Alt+F4) closed it.
    void closed();

protected:
    virtual std::optional<SettingsRect> SavedPlacement() const { return std::nullopt; }
    // placement: where the window stands relative to the frame; empty until
    // it was placed.
    virtual void StoreSettings(const std::optional<SettingsRect>& placement) { (void)placement; }

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* frame_;
    SettingsStore* store_;
    std::optional<SettingKey> shownKey_;
    QPoint framePos_;
    bool placed_ = false;
    bool frameClosing_ = false;
};

} // namespace kp
