#pragma once
// The commands of the waveform view as actions with their keys: zoom and the
// magnification entries, time notations, drawing style and order, "Fi&xed",
// channel visibility and the jumps. The frame puts them into its menus and
// toolbar; their handlers live here, not in the frame.

#include <QKeySequence>
#include <QObject>

#include <array>

class QAction;
class QActionGroup;
class QMenu;

namespace kp {

class CKpView;
struct KpSettings;

// Command numbers of the resources, for the entries that are numbered.
inline constexpr int kCommandAnalogToggleLast = 6031; // 32 IDs ending here
inline constexpr int kCommandLogicToggleFirst = 6064;
inline constexpr int kCommandLogicGroupFirst = 6100;
inline constexpr int kCommandMagnificationFirst = 6140;

class ViewCommands : public QObject {
    Q_OBJECT

public:
    ViewCommands(CKpView& view, KpSettings& settings, QObject* parent = nullptr);

    QAction* zoomIn() const { return zoomIn_; }
    QAction* zoomOut() const { return zoomOut_; }
    const std::array<QAction*, 5>& notations() const { return notations_; }
    QAction* enhancedDate() const { return enhancedDate_; }
    QAction* lineStyle() const { return line_; }
    QAction* dotsStyle() const { return dots_; }
    QAction* reverseOrder() const { return reverse_; }
    QAction* fixed() const { return fixed_; }
    QAction* allOn() const { return allOn_; }
    QAction* allOff() const { return allOff_; }
    QAction* jumpA() const { return jumpA_; }
    QAction* jumpB() const { return jumpB_; }
    QAction* jumpTrigger() const { return jumpTrig_; }
    QAction* jumpPostTrigger() const { return jumpPost_; }
    const std::array<QAction*, 32>& analogToggles() const { return analog_; }
    const std::array<QAction*, 32>& logicToggles() const { return logic_; }
    const std::array<QAction*, 16>& logicGroups() const { return groups_; }

    // Rebuilds a "Set &Magnification" menu: one entry per index up to the
    // highest, the current one checked; a greyed first entry when nothing is
    // loaded.
    void FillMagnificationMenu(QMenu& menu) const;

public slots:
    // Enabled and checked states from the view.
    void UpdateStates();

private:
    QAction* Make(const QString& text, const QKeySequence& keys = {});

    CKpView& view_;
    KpSettings& settings_;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    std::array<QAction*, 5> notations_{};
    QAction* enhancedDate_ = nullptr;
    QAction* line_ = nullptr;
    QAction* dots_ = nullptr;
    QAction* reverse_ = nullptr;
    QAction* fixed_ = nullptr;
    QAction* allOn_ = nullptr;
    QAction* allOff_ = nullptr;
    QAction* jumpA_ = nullptr;
    QAction* jumpB_ = nullptr;
    QAction* jumpTrig_ = nullptr;
    QAction* jumpPost_ = nullptr;
    std::array<QAction*, 32> analog_{};
    std::array<QAction*, 32> logic_{};
    std::array<QAction*, 16> groups_{};
};

} // namespace kp
