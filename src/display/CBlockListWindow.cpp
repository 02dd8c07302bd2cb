#include "display/CBlockListWindow.h"

#include "app/KpSettings.h"
#include "app/QtFontDescription.h"
#include "platform/UserMessages.h"
#include "resources/StringTable.h"
#include "view/BlockListRows.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFontDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace kp {

namespace {

QColor ToQColor(RgbColour c)
{
    return QColor(c.red, c.green, c.blue);
}

RgbColour FromQColor(const QColor& c)
{
    return { static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
        static_cast<std::uint8_t>(c.blue()) };
}

} // namespace

CBlockListWindow::CBlockListWindow(const CBlockFileList& blocks, KpSettings& settings, SettingsStore& store,
    UserMessages& messages, BlockOpener open, QWidget* parent)
    : ToolWindow(parent)
    , blocks_(blocks)
    , settings_(settings)
    , store_(store)
    , messages_(messages)
    , open_(std::move(open))
{
    setObjectName(QStringLiteral("BlockListWindow"));
    setWindowTitle(QStringLiteral("File List"));
    model_ = new QStandardItemModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("BlockList"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setShowGrid(false);
    table_->setContextMenuPolicy(Qt::NoContextMenu);
    connect(table_, &QTableView::doubleClicked, this, [this] { OpenSelected(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(table_);

    const BlockListSettings saved = BlockListSettings::Load(store_);
    Refresh();
    for (int c = 0; c < kBlockListColumns; ++c)
        table_->setColumnWidth(c, saved.columnWidths[static_cast<std::size_t>(c)]);
    if (saved.placement) {
        const SettingsRect& r = saved.placement->normalPosition;
        QRect rect(QPoint(r.left, r.top), QSize(std::max(r.right - r.left, 100), std::max(r.bottom - r.top, 80)));
        // A window saved on a screen that is gone opens on the primary one.
        if (const QScreen* screen = QGuiApplication::primaryScreen();
            screen && !QGuiApplication::screenAt(rect.center()))
            rect.moveTopLeft(screen->availableGeometry().topLeft());
        setGeometry(rect);
    } else {
        resize(540, 260);
        centreOnFirstShow_ = true;
    }
    ApplyStyle();
}

CBlockListWindow::~CBlockListWindow() = default;

void CBlockListWindow::Refresh()
{
    const BlockListRows rows = BuildBlockListRows(blocks_);
    std::array<int, kBlockListColumns> widths {};
    for (int c = 0; c < kBlockListColumns; ++c)
        widths[static_cast<std::size_t>(c)] = table_->columnWidth(c);
    model_->clear();
    model_->setColumnCount(kBlockListColumns);
    for (int c = 0; c < kBlockListColumns; ++c)
        model_->setHeaderData(c, Qt::Horizontal, QString::fromStdString(rows.headers[static_cast<std::size_t>(c)]));
    for (const auto& row : rows.rows) {
        QList<QStandardItem*> items;
        for (int c = 0; c < kBlockListColumns; ++c) {
            auto* item = new QStandardItem(QString::fromStdString(row[static_cast<std::size_t>(c)]));
            item->setTextAlignment(
                (BlockListRows::centred[static_cast<std::size_t>(c)] ? Qt::AlignHCenter : Qt::AlignLeft)
                | Qt::AlignVCenter);
            items << item;
        }
        model_->appendRow(items);
    }
    for (int c = 0; c < kBlockListColumns; ++c) {
        if (widths[static_cast<std::size_t>(c)] > 0)
            table_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    }
    setWindowTitle(QString::fromStdString(rows.caption));
}

void CBlockListWindow::OpenSelected()
{
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    // The row under a double click is the current one; the others were
    // selected before.
    const QModelIndex current = table_->currentIndex();
    if (current.isValid() && table_->selectionModel()->isRowSelected(current.row(), {})) {
        std::erase(rows, current.row());
        rows.push_back(current.row());
    }
    const auto path = BlockToOpen(blocks_, rows);
    if (!path) {
        messages_.show(std::string(KpString(IDS_FILE_NOT_FOUND)), MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    open_(QString::fromStdString(path->string()));
}

void CBlockListWindow::ApplyStyle()
{
    QPalette p = table_->palette();
    p.setColor(QPalette::Text, ToQColor(settings_.blockFile.text));
    p.setColor(QPalette::Base, ToQColor(settings_.blockFile.back));
    table_->setPalette(p);
    table_->setFont(FontFromDescription(settings_.blockFile.font));
}

void CBlockListWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* text = menu.addAction(QStringLiteral("&Text..."));
    QAction* back = menu.addAction(QStringLiteral("&Background..."));
    QAction* font = menu.addAction(QStringLiteral("&Font..."));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == text || chosen == back) {
        RgbColour& colour = chosen == text ? settings_.blockFile.text : settings_.blockFile.back;
        const QColor picked = QColorDialog::getColor(ToQColor(colour), this);
        if (picked.isValid())
            colour = FromQColor(picked);
    } else if (chosen == font) {
        bool ok = false;
        const QFont picked = QFontDialog::getFont(&ok, FontFromDescription(settings_.blockFile.font), this);
        if (ok)
            settings_.blockFile.font = picked.toString().toStdString();
    }
    ApplyStyle();
}

void CBlockListWindow::showEvent(QShowEvent* event)
{
    // Never placed before: over the middle of the frame, where it covers
    // neither the menus nor the bars.
    if (centreOnFirstShow_ && Frame() != nullptr) {
        centreOnFirstShow_ = false;
        move(Frame()->geometry().center() - QPoint(width() / 2, height() / 2));
    }
    ToolWindow::showEvent(event);
}

void CBlockListWindow::hideEvent(QHideEvent* event)
{
    SaveSettings();
    ToolWindow::hideEvent(event);
}

void CBlockListWindow::StoreSettings(const std::optional<SettingsRect>&)
{
    BlockListSettings s;
    for (int c = 0; c < kBlockListColumns; ++c)
        s.columnWidths[static_cast<std::size_t>(c)] = std::max(1, table_->columnWidth(c));
    const QRect g = geometry();
    s.placement
        = WindowPlacement { 0, 1, { -1, -1 }, { -1, -1 }, { g.left(), g.top(), g.right() + 1, g.bottom() + 1 } };
    s.Save(store_);
}

} // namespace kp
