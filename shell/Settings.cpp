#include "Settings.h"

#include "FindEntry.h"

#include <QFile>

#include <sys/stat.h>

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
    : folder_(QFile::encodeName(applicationDir).toStdString()), file_(folder_ / kFileName)
{
}

void Settings::locate()
{
    // One stat of the folder per read: the monitor reads every millisecond,
    // and a fresh folder has no settings file, which a scan would not know.
    struct stat status {};
    if (::stat(folder_.c_str(), &status) != 0)
        return;
    const std::array<std::int64_t, 4> listing = {
        std::int64_t(status.st_ino), std::int64_t(status.st_dev),
        std::int64_t(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
        std::int64_t(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec};
    if (folderListing_ == listing)
        return;
    folderListing_ = listing;
    file_.setPath(pelikor::findEntry(folder_, kFileName, pelikor::EntryKind::File).value_or(folder_ / kFileName));
}

QString Settings::read(std::string_view key)
{
    locate();
    return fromFile(file_.read(kSection, key));
}

void Settings::write(std::string_view key, const QString& value)
{
    locate();
    file_.write(kSection, key, value.toLatin1().toStdString());
}

QString Settings::filePath() const
{
    return QFile::decodeName(file_.path().c_str());
}
