#include "TDataModule1.h"

#include "DbaseTable.h"

#include <QDir>

namespace {

const QString dataFolder = QStringLiteral("Data");
const QString templateFolder = QStringLiteral("Data/Zaloha");

} // namespace

TDataModule1::TDataModule1(const QString& appDir, QObject* parent)
    : QObject(parent)
    , Table1(this)
    , Table1JMENO(Table1, QString::fromLatin1(DbaseTable::fieldJmeno.data(), DbaseTable::fieldJmeno.size()))
    , Table1TAHY(Table1, QString::fromLatin1(DbaseTable::fieldTahy.data(), DbaseTable::fieldTahy.size()))
    , Table1HRA(Table1, QString::fromLatin1(DbaseTable::fieldHra.data(), DbaseTable::fieldHra.size()))
    , Table1DATUM(Table1, QString::fromLatin1(DbaseTable::fieldDatum.data(), DbaseTable::fieldDatum.size()))
    , DataSource1(Table1, this)
    , appDir_(appDir)
{
    setObjectName(QStringLiteral("DataModule1"));
    Table1.setObjectName(QStringLiteral("Table1"));
    DataSource1.setObjectName(QStringLiteral("DataSource1"));
    Table1.setDatabaseName(QDir(appDir_).filePath(dataFolder));
}

QString TDataModule1::templateDir() const
{
    return QDir(appDir_).filePath(templateFolder);
}

void TDataModule1::resetFromTemplate()
{
    Table1.resetFromTemplate(templateDir());
}
