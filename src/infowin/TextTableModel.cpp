#include "infowin/TextTableModel.h"

namespace kp {

namespace {

Qt::Alignment ToQt(CellAlign a)
{
    switch (a) {
    case CellAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool SameColumns(const TextTable& x, const TextTable& y)
{
    if (x.columns.size() != y.columns.size())
        return false;
    for (std::size_t i = 0; i < x.columns.size(); ++i) {
        if (x.columns[i].title != y.columns[i].title || x.columns[i].align != y.columns[i].align)
            return false;
    }
    return true;
}

} // namespace

TextTableModel::TextTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

bool TextTableModel::SetTable(TextTable table)
{
    // Same columns and row count (a cursor moved): only the texts change,
    // so the view keeps its selection and scroll position.
    if (SameColumns(table, table_) && table.rows.size() == table_.rows.size()) {
        table_ = std::move(table);
        if (!table_.rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), { Qt::DisplayRole });
        return false;
    }
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
    return true;
}

int TextTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto col = static_cast<std::size_t>(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ToQt(table_.columns[col].align));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const auto& row = table_.rows[static_cast<std::size_t>(index.row())];
    return col < row.size() ? QString::fromStdString(row[col]) : QString();
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const TextColumn& c = table_.columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(c.title);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(ToQt(c.align));
    return {};
}

} // namespace kp
