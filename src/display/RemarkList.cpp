#include "display/RemarkList.h"

#include "display/PaneStyleMenu.h"
#include "display/RemarkListModel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QStringList>

namespace kp {

RemarkList::RemarkList(QWidget* parent)
    : QTableView(parent)
    , model_(new RemarkListModel(this))
{
    setObjectName(QStringLiteral("RemarkList"));
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        widthsSet_ = widthsSet_ || !fitting_;
        emit columnWidthsChanged();
    });
}

void RemarkList::SetColours(const QColor& text, const QColor& back)
{
    model_->SetColours(text, back);
    QPalette p = palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, text);
    setPalette(p);
}

void RemarkList::RestoreColumnWidths(const std::string& text)
{
    const QStringList parts = QString::fromStdString(text).split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != model_->columnCount())
        return;
    QList<int> widths;
    for (const QString& part : parts) {
        bool ok = false;
        const int w = part.toInt(&ok);
        if (!ok || w <= 0 || w > 10000)
            return;
        widths << w;
    }
    for (int i = 0; i < widths.size(); ++i)
        setColumnWidth(i, widths[i]);
    widthsSet_ = true;
}

void RemarkList::FitColumnsUnlessSet()
{
    if (widthsSet_ || model_->rowCount() == 0)
        return;
    fitting_ = true;
    resizeColumnsToContents();
    fitting_ = false;
}

std::string RemarkList::ColumnWidths() const
{
    QStringList parts;
    for (int i = 0; i < model_->columnCount(); ++i)
        parts << QString::number(columnWidth(i));
    return parts.join(u' ').toStdString();
}

void RemarkList::contextMenuEvent(QContextMenuEvent* event)
{
    const int which = ExecPaneStyleMenu(this, event->globalPos());
    if (which >= 0)
        emit styleCommand(which);
}

} // namespace kp
