#pragma once

#include <QTableView>

class BestTableModel;
class QAbstractItemModel;

// A read-only grid of the best table's current selection in its current
// order: the name, the pegs left and the date under bold titles, on silver,
// without a row indicator and without grid lines; Tab moves between cells.
class BestGrid : public QTableView {
    Q_OBJECT

public:
    // The data source as the grids show it, with their columns' titles and
    // alignments; one serves every grid of a view.
    static QAbstractItemModel* columnsOf(BestTableModel& source, QObject* owner);

    BestGrid(QAbstractItemModel& columns, QWidget* parent);
    // The source alone would show the raw fields under their stored names.
    BestGrid(BestTableModel& source, QWidget* parent) = delete;
};
