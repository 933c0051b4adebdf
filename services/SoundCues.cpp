#include "services/SoundCues.h"

#include "files/core/FindEntry.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace {

void changeDirectory(const QString& directory)
{
    if (!QDir::setCurrent(directory))
        throw std::runtime_error("Unable to change directory to " + directory.toStdString());
}

std::filesystem::path toPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

SoundCues::SoundCues(const QString& applicationDir, std::unique_ptr<CuePlayer> player)
    : applicationDir_(applicationDir), player_(std::move(player))
{
}

void SoundCues::PlayCue(const QString& fileName)
{
    const auto folder = pelikor::findEntry(toPath(applicationDir_), kFolder, pelikor::EntryKind::Folder);
    if (!folder)
        return;
    const auto file = pelikor::findEntry(*folder, QFile::encodeName(fileName).toStdString(), pelikor::EntryKind::File);
    if (!file)
        return;
    changeDirectory(QFile::decodeName(folder->c_str()));
    try {
        player_->play(QFile::decodeName(file->filename().c_str()));
    } catch (...) {
        // A player that fails must not leave the program in the sounds folder.
        QDir::setCurrent(applicationDir_);
        throw;
    }
    changeDirectory(applicationDir_);
}

void SoundCues::PlayCue(pelikor::SoundCue cue)
{
    const std::string_view name = pelikor::fileName(cue);
    PlayCue(QString::fromLatin1(name.data(), qsizetype(name.size())));
}
