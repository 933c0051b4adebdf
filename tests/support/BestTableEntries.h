#pragma once

#include "scores/ShortDateFormat.h"
#include "scores/TDataModule1.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// Entries written straight into the best table through the data module, as
// earlier games left them, and a game's entries read back.
namespace BestTableEntries {

// A date as the table writes and reads it.
inline QString dateText(const QDate& date)
{
    return QLocale::system().toString(date, losslessShortDateFormat());
}

inline void add(TDataModule1& module, const QString& code, const QString& name, int tahy, const QDate& date)
{
    module.Table1.insert();
    module.Table1JMENO.setAsString(name);
    module.Table1TAHY.setAsString(QString::number(tahy));
    module.Table1HRA.setAsString(code);
    module.Table1DATUM.setAsString(dateText(date));
    module.Table1.post();
}

// Each entry of the game as "name/count/date", in the table's current order.
inline QStringList of(TDataModule1& module, const QString& code)
{
    QStringList entries;
    for (const pelikor::TableRow& row : module.Table1.readGame(code))
        entries << QStringLiteral("%1/%2/%3").arg(QString::fromStdString(row.jmeno)).arg(row.tahy).arg(
            QString::fromStdString(row.datum));
    return entries;
}

} // namespace BestTableEntries
