#include "scores/BestGrid.h"

#include "scores/BestTableModel.h"
#include "widgets/ColourNumber.h"

#include <QHeaderView>
#include <QIdentityProxyModel>

#include <array>

namespace {

// The columns a player sees, in the data source's order; the game code is
// the tab's own and is not shown.
struct Column {
    BestTableModel::Column field;
    const char* title;
    int width;
    Qt::Alignment cells;
    Qt::Alignment heading;
};

// The date keeps the grids' default column width.
constexpr int kDefaultWidth = 64;

const std::array<Column, 3> kColumns = {{
    {BestTableModel::Jmeno, QT_TRANSLATE_NOOP("BestGrid", "Jméno"), 230, Qt::AlignLeft, Qt::AlignLeft},
    {BestTableModel::Tahy, QT_TRANSLATE_NOOP("BestGrid", "Zbytek"), 38, Qt::AlignHCenter, Qt::AlignLeft},
    {BestTableModel::Datum, QT_TRANSLATE_NOOP("BestGrid", "Datum"), kDefaultWidth, Qt::AlignRight, Qt::AlignRight},
}};

// Rows as high as the old grids drew them for their 11-pixel font.
constexpr int kRowHeight = 17;

const Column* columnOf(int field)
{
    for (const Column& column : kColumns)
        if (column.field == field)
            return &column;
    return nullptr;
}

// The data source with the columns' titles and alignments.
class GridColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            if (const Column* column = columnOf(index.column()))
                return QVariant::fromValue(column->cells | Qt::AlignVCenter);
        return QIdentityProxyModel::data(index, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        const Column* column = orientation == Qt::Horizontal ? columnOf(section) : nullptr;
        if (column && role == Qt::DisplayRole)
            return BestGrid::tr(column->title);
        if (column && role == Qt::TextAlignmentRole)
            return QVariant::fromValue(column->heading | Qt::AlignVCenter);
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

} // namespace

QAbstractItemModel* BestGrid::columnsOf(BestTableModel& source, QObject* owner)
{
    auto* columns = new GridColumns(owner);
    columns->setSourceModel(&source);
    return columns;
}

BestGrid::BestGrid(QAbstractItemModel& columns, QWidget* parent) : QTableView(parent)
{
    setModel(&columns);

    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setTabKeyNavigation(true);
    setWordWrap(false);
    QPalette silver = palette();
    silver.setColor(QPalette::Base, toQColor(kClSilver));
    setPalette(silver);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    QFont bold = font();
    bold.setBold(true);
    horizontalHeader()->setFont(bold);
    horizontalHeader()->setHighlightSections(false);
    for (int field = 0; field < BestTableModel::ColumnCount; ++field) {
        const Column* column = columnOf(field);
        setColumnHidden(field, !column);
        if (column)
            horizontalHeader()->resizeSection(field, column->width);
    }
}
