#pragma once
// Shows a TextTable in a QTableView: one model for every list whose rows a
// producer below the GUI computes.

#include "view/TextTable.h"

#include <QAbstractTableModel>

namespace kp {

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TextTableModel(QObject* parent = nullptr);

    // Replaces the rows; a change of columns or of the number of rows resets
    // the whole model (true).
    bool SetTable(TextTable table);
    const TextTable& Table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    TextTable table_;
};

} // namespace kp
