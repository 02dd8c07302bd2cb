#include "infowin/CTraceWindow.h"

#include "display/CKpView.h"
#include "infowin/CursorSpinButtons.h"
#include "infowin/ListStyle.h"
#include "infowin/TabbedLists.h"
#include "resources/StringTable.h"
#include "view/StatisticsReadout.h"
#include "view/TraceTabTexts.h"
#include "view/ViewSettings.h"
#include "wavefile/CKpDoc.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kp {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The distance edit shows its second line under the first.
QString TwoLines(const std::string& s)
{
    QString t = Q(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

} // namespace

CTraceWindow::CTraceWindow(CKpView& view, const CKpDoc& doc, SettingsStore& store, PaneStyle& style, QWidget* frame)
    : ToolWindow(frame, &store, settings::kShowTrace)
    , view_(view)
    , doc_(doc)
    , store_(store)
    , style_(style)
    , settings_(TraceWindowSettings::Load(store))
    , tables_(EmptyTraceTables(settings_.options.calc))
    , statistics_(std::make_unique<StatisticsReadout>())
{
    setObjectName(QStringLiteral("TraceWindow"));
    BuildLayout();
    connect(&view_, &CKpView::recordLoaded, this, &CTraceWindow::Refill);
    connect(&view_, &CKpView::recordCleared, this, &CTraceWindow::Refill);
    connect(&view_, &CKpView::cursorsChanged, this, &CTraceWindow::Refresh);
    connect(&view_, &CKpView::timeNotationChanged, this, &CTraceWindow::Refresh);
    Refill();
}

CTraceWindow::~CTraceWindow() = default;

void CTraceWindow::BuildLayout()
{
    editA_ = new QLineEdit(this);
    editA_->setObjectName(QStringLiteral("TraceEditA"));
    editB_ = new QLineEdit(this);
    editB_->setObjectName(QStringLiteral("TraceEditB"));
    distance_ = new QPlainTextEdit(this);
    distance_->setObjectName(QStringLiteral("TraceEditDistance"));
    distance_->setReadOnly(true);
    distance_->setLineWrapMode(QPlainTextEdit::NoWrap);
    distance_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    distance_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    distance_->setTabChangesFocus(true);
    const int lineHeight = editA_->fontMetrics().lineSpacing();
    distance_->setFixedHeight(2 * lineHeight + 2 * distance_->frameWidth() + 8);
    for (QLineEdit* e : { editA_, editB_ })
        e->installEventFilter(this);

    spinA_ = new CursorSpinButtons(this);
    spinB_ = new CursorSpinButtons(this);
    spinDistance_ = new CursorSpinButtons(this);
    connect(spinA_, &CursorSpinButtons::stepped, this, [this](int d, Qt::KeyboardModifiers m) { Spin(0, d, m); });
    connect(spinB_, &CursorSpinButtons::stepped, this, [this](int d, Qt::KeyboardModifiers m) { Spin(1, d, m); });
    connect(
        spinDistance_, &CursorSpinButtons::stepped, this, [this](int d, Qt::KeyboardModifiers m) { Spin(2, d, m); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("A :"), this), 0, 0);
    grid->addWidget(editA_, 0, 1);
    grid->addWidget(spinA_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("B :"), this), 1, 0);
    grid->addWidget(editB_, 1, 1);
    grid->addWidget(spinB_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("B - A :"), this), 2, 0, Qt::AlignTop);
    grid->addWidget(distance_, 2, 1);
    grid->addWidget(spinDistance_, 2, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("TraceStatisticsSummary"));
    summary_->hide();

    std::vector<std::vector<int>*> widths;
    for (auto& w : settings_.columnWidths)
        widths.push_back(&w);
    lists_ = new TabbedLists(std::move(widths), 0, this);
    lists_->Bar()->setObjectName(QStringLiteral("TraceTabs"));
    lists_->List()->setObjectName(QStringLiteral("TraceList"));
    connect(lists_, &TabbedLists::currentTabChanged, this, [this] { ShowTable(); });
    lists_->List()->installEventFilter(this);
    ApplyListStyle(*lists_->List(), style_);
    distance_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(grid);
    layout->addWidget(summary_);
    layout->addWidget(lists_, 1);
    resize(300, 400);
}

CursorTextContext CTraceWindow::TextContext() const
{
    const int notation = static_cast<int>(view_.GetTimeNotation());
    const ViewRecord* r = view_.GetRecord();
    if (r == nullptr) {
        CursorTextContext c;
        c.notation = notation;
        return c;
    }
    return CursorTextContextOf(*r, notation, view_.IsEnhancedDate());
}

void CTraceWindow::UpdateTitle()
{
    const ViewRecord* r = view_.GetRecord();
    setWindowTitle(Q(KpFormat(9001, r ? r->fileName : std::string())));
}

void CTraceWindow::RebuildTabs()
{
    std::vector<std::pair<int, QString>> tabs;
    for (int t : ShownTraceTabs(tables_, view_.IsLoaded() && doc_.IsLoaded()))
        tabs.emplace_back(t, Q(TraceTabTitle(t)));
    lists_->SetTabs(tabs);
}

void CTraceWindow::Refill()
{
    UpdateTitle();
    const bool loaded = view_.IsLoaded() && doc_.IsLoaded();
    tables_ = loaded ? BuildTraceTables(doc_, view_.GetCursorA(), view_.GetCursorB(), settings_.options)
                     : EmptyTraceTables(settings_.options.calc);
    RebuildTabs();
    UpdateEdits();
    ShowTable();
}

void CTraceWindow::Refresh()
{
    // While a file loads the document's arrays are being replaced: the lists
    // wait for the load to finish (Refill).
    if (view_.IsSuspended())
        return;
    UpdateEdits();
    if (view_.IsLoaded() && doc_.IsLoaded())
        tables_ = BuildTraceTables(doc_, view_.GetCursorA(), view_.GetCursorB(), settings_.options);
    ShowTable();
}

void CTraceWindow::UpdateEdits()
{
    const bool loaded = view_.IsLoaded();
    const CursorTextContext c = TextContext();
    if (loaded) {
        const std::int64_t a = view_.GetCursorA();
        const std::int64_t b = view_.GetCursorB();
        edits_ = CursorEditTextsAt(c, a, b);
    } else {
        edits_ = {};
    }
    const bool typing = loaded && c.notation == kCursorPointNotation;
    for (QLineEdit* e : { editA_, editB_ })
        e->setReadOnly(!typing);
    editA_->setText(Q(edits_.a));
    editB_->setText(Q(edits_.b));
    distance_->setPlainText(TwoLines(edits_.distance));
}

int CTraceWindow::CurrentTab() const
{
    return std::max(lists_->CurrentTab(), 0);
}

void CTraceWindow::SelectTab(int tab)
{
    lists_->SelectTab(tab);
}

QTabBar* CTraceWindow::Tabs() const
{
    return lists_->Bar();
}

QTableView* CTraceWindow::List() const
{
    return lists_->List();
}

const TextTable& CTraceWindow::TableOf(int tab) const
{
    return tab == kStatisticsTab ? statisticsTable_ : tables_[static_cast<std::size_t>(tab)];
}

void CTraceWindow::ShowTable()
{
    const int tab = CurrentTab();
    const bool statistics = tab == kStatisticsTab && view_.IsLoaded() && doc_.IsLoaded() && !view_.IsSuspended();
    summary_->setVisible(statistics);
    if (statistics) {
        // The summaries are built on first use, so a record whose statistics
        // are never asked for costs nothing.
        const std::int64_t a = view_.GetCursorA(), b = view_.GetCursorB();
        statisticsTable_ = statistics_->Build(doc_, a, b, settings_.options.format);
        const ViewRecord* r = view_.GetRecord();
        summary_->setText(Q(StatisticsReadout::SummaryLine(r ? r->sampleInterval : 0.0, a, b)));
    }
    lists_->Show(TableOf(tab));
}

std::string CTraceWindow::CopyText() const
{
    const int tab = CurrentTab();
    return TraceTabCopyText(tab, TableOf(tab), edits_, summary_->text().toStdString());
}

void CTraceWindow::Copy()
{
    QApplication::clipboard()->setText(Q(CopyText()));
}

void CTraceWindow::SetNumStyle(TraceNumStyle style)
{
    settings_.options.format.style = style;
    Refresh();
}

void CTraceWindow::SetCalcType(TraceCalcType type)
{
    settings_.options.calc = type;
    Refresh();
}

void CTraceWindow::ToggleUnit()
{
    settings_.options.format.withUnit = !settings_.options.format.withUnit;
    Refresh();
}

void CTraceWindow::StoreSettings(const std::optional<SettingsRect>& placement)
{
    lists_->CollectWidths();
    if (placement)
        settings_.placement = placement;
    settings_.Save(store_);
}

} // namespace kp
