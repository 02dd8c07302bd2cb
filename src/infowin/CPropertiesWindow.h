#pragma once
// The properties window: the recorded instrument settings of the open file,
// tab by tab, beside the main window. Choosing an event mark makes it the
// view's current event and scrolls to it.

// Qt first: the moc reads the date type's standard includes only after Qt's.
#include "infowin/ToolWindow.h"

#include "view/PropertyTables.h"
#include "view/PropertyWindowSettings.h"

class QTabBar;
class QTableView;

namespace kp {

class CKpDoc;
class CKpView;
class SettingsStore;
struct PaneStyle;
class TabbedLists;

class CPropertiesWindow : public ToolWindow {
    Q_OBJECT

public:
    // style: the lists' colours and font in the application's settings.
    CPropertiesWindow(CKpView& view, const CKpDoc& doc, SettingsStore& store, PaneStyle& style, QWidget* frame);

    // New record (or the time notation changed): refills every list.
    void Refill();

    const PropertyWindowSettings& Settings() const { return settings_; }
    TabbedLists* Lists() const { return lists_; }
    const PropertyTables& Tables() const { return tables_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    std::optional<SettingsRect> SavedPlacement() const override { return settings_.placement; }
    void StoreSettings(const std::optional<SettingsRect>& placement) override;

private:
    void ShowTable();
    void EventChosen(int row);

    CKpView& view_;
    const CKpDoc& doc_;
    SettingsStore& store_;
    PaneStyle& style_;
    PropertyWindowSettings settings_;
    PropertyTables tables_;
    TabbedLists* lists_ = nullptr;
};

} // namespace kp
