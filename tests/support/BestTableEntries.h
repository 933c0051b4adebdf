#pragma once

#include "files/core/FindEntry.h"
#include "scores/ShortDateFormat.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/ResultStore.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

// Entries written straight into an application folder's best table, as
// earlier games left them, and a game's entries read back: through an engine
// of their own, so that what the windows' table object holds plays no part.
namespace BestTableEntries {

// A date as the table writes and reads it.
inline QString dateText(const QDate& date)
{
    return tableDateLocale().toString(date, losslessShortDateFormat());
}

// The live table of the application folder, opened as the program opens it.
inline pelikor::DbaseTable openIn(const QString& applicationDir)
{
    constexpr std::string_view dataFolder[] = {"Data"};
    pelikor::DbaseTable table(shortDateCodec());
    table.setDatabaseName(pelikor::findFolderPath(QFile::encodeName(applicationDir).toStdString(), dataFolder));
    table.open();
    return table;
}

inline void add(const QString& applicationDir, const QString& code, const QString& name, int tahy, const QDate& date)
{
    pelikor::DbaseTable table = openIn(applicationDir);
    table.insert();
    table.setFieldText(pelikor::DbaseTable::fieldJmeno, name.toStdString());
    table.setFieldText(pelikor::DbaseTable::fieldTahy, std::to_string(tahy));
    table.setFieldText(pelikor::DbaseTable::fieldHra, code.toStdString());
    table.setFieldText(pelikor::DbaseTable::fieldDatum, dateText(date).toStdString());
    table.post();
}

// The game's entries from the fewest pegs left to the most, equal counts in
// file order, as the table view lists them.
inline std::vector<pelikor::TableRow> rows(const QString& applicationDir, const QString& code)
{
    pelikor::DbaseTable table = openIn(applicationDir);
    table.setIndexFieldNames(pelikor::DbaseTable::fieldTahy);
    pelikor::results::selectGame(table, code.toStdString());
    return table.rows();
}

// Each entry of the game as "name/count/date", in the order of rows().
inline QStringList of(const QString& applicationDir, const QString& code)
{
    QStringList entries;
    for (const pelikor::TableRow& row : rows(applicationDir, code))
        entries << QStringLiteral("%1/%2/%3").arg(QString::fromStdString(row.jmeno)).arg(row.tahy).arg(
            QString::fromStdString(row.datum));
    return entries;
}

} // namespace BestTableEntries
