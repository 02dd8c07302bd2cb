#pragma once
// Adapts the remark rows to a table view: the texts, the check box of the
// first column, and the list's colours.

#include "view/RemarkRows.h"

#include <QAbstractTableModel>
#include <QColor>

namespace kp {

class RemarkListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRows(std::vector<RemarkRow> rows);
    // Rewrites the cells of the rows in place (update mode).
    void RowsChanged();
    std::vector<RemarkRow>& Rows() { return rows_; }
    void SetColours(const QColor& text, const QColor& back);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The user ticked or cleared the box of the row with this item data.
    void checkToggled(qint64 itemData, bool checked);

private:
    std::vector<RemarkRow> rows_;
    QColor text_;
    QColor back_;
};

} // namespace kp
