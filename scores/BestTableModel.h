#pragma once

#include "scores/core/TableRow.h"

#include <QAbstractTableModel>

class BestTable;

// The data source of the grids: the table's current selection in its
// current order, one row per record, the four fields as columns.
class BestTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Jmeno, Tahy, Hra, Datum, ColumnCount };

    explicit BestTableModel(BestTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the table's rows again; the table's changed signal calls it.
    void refresh();

private:
    BestTable& table_;
    std::vector<pelikor::TableRow> rows_;
};
