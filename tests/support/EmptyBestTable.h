#pragma once

#include "DbaseTable.h"

#include <QFile>
#include <QString>

#include <filesystem>

// An application folder with an empty best table written by the table engine
// itself, for programs that run without the build's folder. Returns the
// folder as the windows take it, ending with "/".
inline QString withEmptyBestTable(const std::filesystem::path& applicationDir)
{
    std::filesystem::create_directories(applicationDir / "Data");
    DbaseTable::createEmpty(applicationDir / "Data", DbaseTable::tableName, DbaseTable::liveIndexName);
    return QFile::decodeName(applicationDir.c_str()) + QLatin1Char('/');
}
