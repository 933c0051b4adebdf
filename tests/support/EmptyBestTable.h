#pragma once

#include "scores/core/DbaseTable.h"

#include <QFile>
#include <QString>

#include <filesystem>

// An application folder with an empty best table written by the table engine
// itself, for programs that run without the build's folder. Returns the
// folder as the windows take it, ending with "/".
inline QString withEmptyBestTable(const std::filesystem::path& applicationDir)
{
    std::filesystem::create_directories(applicationDir / "Data");
    pelikor::DbaseTable::createEmpty(applicationDir / "Data", pelikor::DbaseTable::tableName, pelikor::DbaseTable::liveIndexName);
    return QFile::decodeName(applicationDir.c_str()) + QLatin1Char('/');
}
