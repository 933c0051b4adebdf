#include "Settings.h"

#include <QFile>

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
    : file_(QFile::encodeName(applicationDir + QLatin1StringView(kFileName.data(), qsizetype(kFileName.size())))
                .toStdString())
{
}

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
    return QFile::decodeName(file_.path().c_str());
}
