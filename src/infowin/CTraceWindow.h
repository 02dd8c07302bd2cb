#pragma once
// The trace window: the values of every recorded channel at the cursors A and
// B, their calculation and the cursor times, beside the main window. The
// cursors can be typed (point notation) and nudged with spin buttons; Copy
// puts the visible list on the clipboard. Everything it shows comes from the
// producers of view/; the window lays them out and routes the commands.

// Qt first: the moc reads the date type's standard includes only after Qt's.
#include "infowin/ToolWindow.h"

#include "view/CursorTexts.h"
#include "view/TraceCopyText.h"
#include "view/TraceWindowSettings.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabBar;
class QTableView;

namespace kp {

class CKpDoc;
class CKpView;
class CursorSpinButtons;
class SettingsStore;
struct PaneStyle;
class StatisticsReadout;
class TabbedLists;

class CTraceWindow : public ToolWindow {
    Q_OBJECT

public:
    // frame: the main window the trace window stands beside (its parent).
    // style: the lists' colours and font in the application's settings.
    CTraceWindow(CKpView& view, const CKpDoc& doc, SettingsStore& store, PaneStyle& style, QWidget* frame);
    ~CTraceWindow() override;

    // New record: rebuilds the tabs and refills every list.
    void Refill();
    // A cursor, the notation or a format changed: edits and the visible list.
    void Refresh();

    void SetNumStyle(TraceNumStyle style);
    void SetCalcType(TraceCalcType type);
    void ToggleUnit();
    void Copy();
    // The clipboard text of the visible list.
    std::string CopyText() const;

    const TraceWindowSettings& Settings() const { return settings_; }
    // Tab data of the visible list (kStatisticsTab for the statistics).
    int CurrentTab() const;
    void SelectTab(int tab);
    TabbedLists* Lists() const { return lists_; }
    QLineEdit* EditA() const { return editA_; }
    QLineEdit* EditB() const { return editB_; }
    QPlainTextEdit* DistanceEdit() const { return distance_; }
    CursorSpinButtons* SpinA() const { return spinA_; }
    CursorSpinButtons* SpinB() const { return spinB_; }
    CursorSpinButtons* SpinDistance() const { return spinDistance_; }
    QTabBar* Tabs() const;
    QTableView* List() const;
    QLabel* StatisticsSummary() const { return summary_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::optional<SettingsRect> SavedPlacement() const override { return settings_.placement; }
    void StoreSettings(const std::optional<SettingsRect>& placement) override;

private:
    void BuildLayout();
    void RebuildTabs();
    void ShowTable();
    const TextTable& TableOf(int tab) const;
    void UpdateEdits();
    bool CommitTyped(QLineEdit* edit);
    void Spin(int which, int delta, Qt::KeyboardModifiers modifiers);
    CursorTextContext TextContext() const;
    void UpdateTitle();

    CKpView& view_;
    const CKpDoc& doc_;
    SettingsStore& store_;
    PaneStyle& style_;
    TraceWindowSettings settings_;
    TraceTables tables_;
    std::unique_ptr<StatisticsReadout> statistics_;
    TextTable statisticsTable_;
    CursorEditTexts edits_;

    QLineEdit* editA_ = nullptr;
    QLineEdit* editB_ = nullptr;
    QPlainTextEdit* distance_ = nullptr;
    CursorSpinButtons* spinA_ = nullptr;
    CursorSpinButtons* spinB_ = nullptr;
    CursorSpinButtons* spinDistance_ = nullptr;
    QLabel* summary_ = nullptr; // above the statistics list
    TabbedLists* lists_ = nullptr;
};

} // namespace kp
