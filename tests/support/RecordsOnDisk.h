#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The records of the best table in a folder's "Data" as an independent
// dBASE reader (Debian's python3-dbfread, PELIKOR_PYTHON) sees them: name,
// count, game code and ISO date, one line each. `folder` ends with "/".
inline QStringList recordsOnDisk(const QString& folder)
{
    QProcess python;
    python.setProcessEnvironment([] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
        return environment;
    }());
    python.start(QStringLiteral(PELIKOR_PYTHON),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, dbfread\n"
                                 "for r in dbfread.DBF(sys.argv[1], encoding='cp1250'):\n"
                                 "    print('%s|%s|%s|%s' % (r['JMENO'], r['TAHY'], r['HRA'], r['DATUM'].isoformat()))\n"),
                  folder + QStringLiteral("Data/Pelkor.dbf")});
    if (!python.waitForFinished() || python.exitCode() != 0)
        return {QStringLiteral("reader failed: ") + QString::fromUtf8(python.readAllStandardError())};
    return QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
