#pragma once
// A tab bar over one list: each tab shows a TextTable, identified by its tab
// data. Column widths are kept per tab data (as the settings store them) and
// taken back from the list whenever another tab's table comes in.

#include "view/TextTable.h"

#include <QWidget>

#include <vector>

class QTabBar;
class QTableView;

namespace kp {

class TextTableModel;

class TabbedLists : public QWidget {
    Q_OBJECT

public:
    // widths: per tab data, the list's column widths (read and updated);
    // cap: widest column shown (0: none).
    TabbedLists(std::vector<std::vector<int>*> widths, int cap, QWidget* parent = nullptr);

    // (tab data, title) pairs; keeps the selected tab when it is still there.
    void SetTabs(const std::vector<std::pair<int, QString>>& tabs);
    int CurrentTab() const; // tab data, -1 without tabs
    void SelectTab(int data);
    void NextTab(bool back);

    // The current tab's rows; the widths apply when the tab changed.
    void Show(const TextTable& table);
    // Takes the visible list's widths into the current tab's record.
    void CollectWidths();

    QTabBar* Bar() const { return tabs_; }
    QTableView* List() const { return list_; }

signals:
    void currentTabChanged(int data);

private:
    void ApplyWidths();

    std::vector<std::vector<int>*> widths_;
    int cap_ = 0;
    int shownTab_ = -1;
    QTabBar* tabs_ = nullptr;
    QTableView* list_ = nullptr;
    TextTableModel* model_ = nullptr;
};

} // namespace kp
