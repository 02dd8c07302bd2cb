#include "display/RemarkListModel.h"

namespace kp {

void RemarkListModel::SetRows(std::vector<RemarkRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void RemarkListModel::RowsChanged()
{
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kRemarkColumns - 1));
}

void RemarkListModel::SetColours(const QColor& text, const QColor& back)
{
    text_ = text;
    back_ = back;
    RowsChanged();
}

int RemarkListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RemarkListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kRemarkColumns;
}

QVariant RemarkListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const RemarkRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(row.cells[static_cast<std::size_t>(index.column())]);
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole:
        return text_.isValid() ? QVariant(text_) : QVariant();
    case Qt::BackgroundRole:
        return back_.isValid() ? QVariant(back_) : QVariant();
    default:
        return {};
    }
}

QVariant RemarkListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kRemarkColumns)
        return {};
    return QString::fromLatin1(RemarkHeadings()[static_cast<std::size_t>(section)]);
}

Qt::ItemFlags RemarkListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool RemarkListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 || index.row() >= rowCount())
        return false;
    const RemarkRow& row = rows_[static_cast<std::size_t>(index.row())];
    emit checkToggled(row.itemData, value.toInt() == Qt::Checked);
    return true;
}

} // namespace kp
