#include "infowin/CPropertiesWindow.h"

#include "display/CKpView.h"
#include "infowin/ListStyle.h"
#include "infowin/TabbedLists.h"
#include "resources/StringTable.h"
#include "view/ViewSettings.h"
#include "wavefile/CKpDoc.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace kp {

CPropertiesWindow::CPropertiesWindow(
    CKpView& view, const CKpDoc& doc, SettingsStore& store, PaneStyle& style, QWidget* frame)
    : ToolWindow(frame, &store, settings::kShowProperty)
    , view_(view)
    , doc_(doc)
    , store_(store)
    , style_(style)
    , settings_(PropertyWindowSettings::Load(store))
{
    setObjectName(QStringLiteral("PropertiesWindow"));
    std::vector<std::vector<int>*> widths;
    for (auto& w : settings_.columnWidths)
        widths.push_back(&w);
    lists_ = new TabbedLists(std::move(widths), kPropertyColumnCap, this);
    lists_->Bar()->setObjectName(QStringLiteral("PropertyTabs"));
    lists_->List()->setObjectName(QStringLiteral("PropertyList"));
    connect(lists_, &TabbedLists::currentTabChanged, this, [this] { ShowTable(); });
    connect(lists_->List(), &QTableView::activated, this, [this](const QModelIndex& i) { EventChosen(i.row()); });
    connect(lists_->List(), &QTableView::clicked, this, [this](const QModelIndex& i) { EventChosen(i.row()); });

    ApplyListStyle(*lists_->List(), style_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lists_);
    resize(300, 400);

    connect(&view_, &CKpView::recordLoaded, this, &CPropertiesWindow::Refill);
    connect(&view_, &CKpView::recordCleared, this, &CPropertiesWindow::Refill);
    // The event times follow the view's notation.
    connect(&view_, &CKpView::timeNotationChanged, this, &CPropertiesWindow::Refill);
    Refill();
}

void CPropertiesWindow::Refill()
{
    const ViewRecord* r = view_.GetRecord();
    setWindowTitle(QString::fromStdString(KpFormat(7000, r ? r->fileName : std::string())));
    const bool loaded = view_.IsLoaded() && doc_.IsLoaded() && r != nullptr;
    tables_ = {};
    std::vector<std::pair<int, QString>> tabs;
    if (loaded) {
        CursorTextContext c;
        c.notation = static_cast<int>(view_.GetTimeNotation());
        c.trigger = r->hasTrigger && r->trigger >= 0 ? r->trigger : 0;
        c.pointsPerDivision = r->pointsPerDivision1;
        c.sampleInterval = r->sampleInterval;
        tables_ = BuildPropertyTables(doc_, c);
        for (int t : ShownPropertyTabs(tables_))
            tabs.emplace_back(t, QString::fromStdString(PropertyTabName(static_cast<PropertyTab>(t))));
    }
    lists_->SetTabs(tabs);
    ShowTable();
}

void CPropertiesWindow::ShowTable()
{
    const int tab = lists_->CurrentTab();
    lists_->Show(tab >= 0 ? tables_[static_cast<std::size_t>(tab)] : TextTable {});
}

void CPropertiesWindow::EventChosen(int row)
{
    if (lists_->CurrentTab() == static_cast<int>(PropertyTab::EventMark) && row >= 0)
        view_.SelectEvent(row);
}

void CPropertiesWindow::StoreSettings(const std::optional<SettingsRect>& placement)
{
    lists_->CollectWidths();
    if (placement)
        settings_.placement = placement;
    settings_.Save(store_);
}

void CPropertiesWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    AddListStyleMenu(menu, style_, this, [this] { ApplyListStyle(*lists_->List(), style_); });
    menu.exec(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos());
}

} // namespace kp
