#pragma once

#include "files/core/PathText.h"

#include <QString>

#include <filesystem>

// A path in the windows' text type and back, byte for byte: every path the
// program forms goes through pelikor::pathText, so that a folder whose
// name is not valid UTF-8 is still found.
inline QString textOfPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(pelikor::pathText(path.native()));
}

inline std::filesystem::path pathOfText(const QString& text)
{
    return pelikor::pathBytes(text.toStdU16String());
}
