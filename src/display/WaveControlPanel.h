#pragma once
// The wave control panel: a tool window in which the user shows and hides
// the channels of one class at a time and sets the zoom, position and colour
// of the selected ones, straight into the view's per-channel state.

#include "infowin/ToolWindow.h"

#include <vector>

class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QTabBar;

namespace kp {

class CKpView;
struct ChannelClassState;
struct KpSettings;

class WaveControlPanel : public ToolWindow {
    Q_OBJECT

public:
    WaveControlPanel(CKpView& view, KpSettings& settings, QWidget* parent);

    // Rebuilds the tabs, the list and the controls from the view.
    void Refresh();
    // True while the panel itself tells the view of a change.
    bool IsEditing() const { return editing_; }

    // The classes on the tabs, in tab order (0 analog, 1 pulse, 2 logic, 3 calc).
    const std::vector<int>& TabClasses() const { return tabClasses_; }
    void SelectTab(int tab);
    // The channel numbers of the current list, in list order.
    const std::vector<int>& ListedChannels() const { return listed_; }
    QListWidget& List() const { return *list_; }
    QSlider& ZoomSlider() const { return *zoomSlider_; }
    QSlider& PositionSlider() const { return *positionSlider_; }
    QLabel& PositionLabel() const { return *positionText_; }
    QDoubleSpinBox& ZoomBox() const { return *zoomBox_; }

    // The buttons' commands.
    void ShowSelected(bool shown);
    void ShowAll(bool shown);
    void ColourSelected();
    void DefaultSelected();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ChannelClassState* CurrentState() const;
    std::vector<int> SelectedChannels() const;
    void FillList();
    void UpdateControls();
    void ApplyZoom(double zoom);
    void ApplyPosition(double position);
    void Edited();

    CKpView& view_;
    KpSettings& settings_;
    QTabBar* tabs_ = nullptr;
    QListWidget* list_ = nullptr;
    QSlider* zoomSlider_ = nullptr;
    QDoubleSpinBox* zoomBox_ = nullptr;
    QSlider* positionSlider_ = nullptr;
    QLabel* positionText_ = nullptr;
    QLabel* swatch_ = nullptr;
    std::vector<int> tabClasses_;
    std::vector<int> listed_;
    bool filling_ = false;
    bool editing_ = false;
};

} // namespace kp
