#include "services/Settings.h"

#include "files/core/PathText.h"

namespace {

// The values the program writes and compares are plain ASCII; other bytes
// of a hand-edited file only have to compare unequal, so Latin-1 keeps them
// one to one.
QString fromFile(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

Settings::Settings(const QString& applicationDir)
    : Settings(std::filesystem::path(pelikor::pathBytes(applicationDir.toStdU16String())))
{
}

Settings::Settings(const std::filesystem::path& applicationFolder) : file_(applicationFolder / kFileName) {}

QString Settings::read(std::string_view key)
{
    return fromFile(file_.read(kSection, key));
}

void Settings::write(std::string_view key, const QString& value)
{
    file_.write(kSection, key, value.toLatin1().toStdString());
}

QString Settings::filePath() const
{
    return QString::fromStdU16String(pelikor::pathText(file_.path().native()));
}
