#pragma once

#include <QTableView>

class BestTableModel;

// A read-only grid of the best table's current selection in its current
// order: the name, the pegs left and the date under bold titles, on silver,
// without a row indicator and without grid lines; Tab moves between cells.
class BestGrid : public QTableView {
    Q_OBJECT

public:
    BestGrid(BestTableModel& source, QWidget* parent);
};
