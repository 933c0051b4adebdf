#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// An application folder's best table as a fresh installation has it: the
// build's empty template copied to "Data" and, unless left out, to
// "Data/Zaloha". `applicationDir` ends with "/".
inline void layOutBestTable(const QString& applicationDir, bool withTemplate = true)
{
    const QString built = qEnvironmentVariable("PELIKOR_TEST_APP_DIR") + QStringLiteral("/Data/Zaloha/");
    const QString data = applicationDir + QStringLiteral("Data/");
    const QString zaloha = data + QStringLiteral("Zaloha/");
    QDir().mkpath(zaloha);
    const QString table = QStringLiteral("Pelkor.dbf");
    const QString index = QStringLiteral("Pelkor.Mdx");
    QFile::copy(built + table, data + table);
    QFile::copy(built + index, data + QStringLiteral("Pelkor.mdx"));
    if (withTemplate) {
        QFile::copy(built + table, zaloha + table);
        QFile::copy(built + index, zaloha + index);
    }
}
