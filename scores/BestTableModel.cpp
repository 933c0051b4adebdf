#include "scores/BestTableModel.h"

#include "scores/BestTable.h"

BestTableModel::BestTableModel(BestTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table)
{
    connect(&table_, &BestTable::changed, this, &BestTableModel::refresh);
    refresh();
}

void BestTableModel::refresh()
{
    beginResetModel();
    rows_ = table_.isOpen() ? table_.shown() : std::vector<pelikor::TableRow>();
    endResetModel();
}

int BestTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int BestTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BestTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const pelikor::TableRow& row = rows_[std::size_t(index.row())];
    switch (index.column()) {
    case Jmeno: return QString::fromStdString(row.jmeno);
    case Tahy: return qlonglong(row.tahy);
    case Hra: return QString::fromStdString(row.hra);
    case Datum: return QString::fromStdString(row.datum);
    default: return {};
    }
}

QVariant BestTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[ColumnCount] = {"JMENO", "TAHY", "HRA", "DATUM"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(names[section]) : QVariant();
}
