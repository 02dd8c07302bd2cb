#include "infowin/TabbedLists.h"

#include "infowin/TextTableModel.h"

#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kp {

TabbedLists::TabbedLists(std::vector<std::vector<int>*> widths, int cap, QWidget* parent)
    : QWidget(parent)
    , widths_(std::move(widths))
    , cap_(cap)
{
    tabs_ = new QTabBar(this);
    tabs_->setExpanding(false);
    tabs_->setDrawBase(false);
    tabs_->setUsesScrollButtons(true);
    tabs_->setFocusPolicy(Qt::NoFocus);
    connect(tabs_, &QTabBar::currentChanged, this, [this] { emit currentTabChanged(CurrentTab()); });

    model_ = new TextTableModel(this);
    list_ = new QTableView(this);
    list_->setModel(model_);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().lineSpacing() + 6);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setMinimumSectionSize(8);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->setShowGrid(false);
    list_->setContextMenuPolicy(Qt::NoContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(list_, 1);
}

void TabbedLists::SetTabs(const std::vector<std::pair<int, QString>>& tabs)
{
    const int previous = CurrentTab();
    {
        const QSignalBlocker block(tabs_);
        while (tabs_->count() > 0)
            tabs_->removeTab(0);
        int select = 0;
        for (const auto& [data, title] : tabs) {
            const int i = tabs_->addTab(title);
            tabs_->setTabData(i, data);
            if (data == previous)
                select = i;
        }
        tabs_->setCurrentIndex(select);
    }
    if (CurrentTab() != previous)
        emit currentTabChanged(CurrentTab());
}

int TabbedLists::CurrentTab() const
{
    const int i = tabs_->currentIndex();
    return i >= 0 ? tabs_->tabData(i).toInt() : -1;
}

void TabbedLists::SelectTab(int data)
{
    for (int i = 0; i < tabs_->count(); ++i) {
        if (tabs_->tabData(i).toInt() == data)
            tabs_->setCurrentIndex(i);
    }
}

void TabbedLists::NextTab(bool back)
{
    const int n = tabs_->count();
    if (n > 0)
        tabs_->setCurrentIndex((tabs_->currentIndex() + (back ? n - 1 : 1)) % n);
}

void TabbedLists::CollectWidths()
{
    if (shownTab_ < 0 || shownTab_ >= static_cast<int>(widths_.size()) || !widths_[static_cast<std::size_t>(shownTab_)])
        return;
    std::vector<int>& w = *widths_[static_cast<std::size_t>(shownTab_)];
    const int n = std::min<int>(model_->columnCount(), static_cast<int>(w.size()));
    for (int i = 0; i < n; ++i) {
        const int size = list_->horizontalHeader()->sectionSize(i);
        if (size > 0)
            w[static_cast<std::size_t>(i)] = cap_ > 0 ? std::min(size, cap_) : size;
    }
}

void TabbedLists::ApplyWidths()
{
    if (shownTab_ < 0 || shownTab_ >= static_cast<int>(widths_.size()) || !widths_[static_cast<std::size_t>(shownTab_)])
        return;
    const std::vector<int>& w = *widths_[static_cast<std::size_t>(shownTab_)];
    const int n = std::min<int>(model_->columnCount(), static_cast<int>(w.size()));
    for (int i = 0; i < n; ++i) {
        const int size = w[static_cast<std::size_t>(i)];
        if (size > kFitColumnWidth) {
            list_->horizontalHeader()->resizeSection(i, cap_ > 0 ? std::min(size, cap_) : size);
            continue;
        }
        list_->resizeColumnToContents(i);
        const int fitted = list_->horizontalHeader()->sectionSize(i) + 8;
        list_->horizontalHeader()->resizeSection(i, std::min(fitted, cap_ > 0 ? cap_ : kFitColumnLimit));
    }
}

void TabbedLists::Show(const TextTable& table)
{
    const int tab = CurrentTab();
    const bool switched = tab != shownTab_;
    // A reset model starts its columns at the default width again.
    CollectWidths();
    const bool reset = model_->SetTable(table);
    shownTab_ = tab;
    if (switched || reset) {
        ApplyWidths();
        // A new list starts without a chosen row.
        list_->clearSelection();
        list_->setCurrentIndex({});
    }
}

} // namespace kp
