#include "services/SoundCues.h"

#include "files/core/FindEntry.h"
#include "services/PathText.h"

#include <QCoreApplication>

#include <stdexcept>
#include <string>

namespace {

// Entered by the folder's own bytes, which a name that is not valid UTF-8
// would lose on its way through Qt's file names.
void changeDirectory(const std::filesystem::path& folder, const QString& shownAs)
{
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error)
        throw std::runtime_error(QCoreApplication::translate("SoundCues", "Nelze přejít do složky %1").arg(shownAs).toStdString());
}

} // namespace

SoundCues::SoundCues(const QString& applicationDir, std::unique_ptr<CuePlayer> player)
    : applicationDir_(applicationDir), player_(std::move(player))
{
}

void SoundCues::play(const QString& fileName)
{
    const std::filesystem::path home = pathOfText(applicationDir_);
    const auto folder = pelikor::findEntry(home, kFolder, pelikor::EntryKind::Folder);
    if (!folder)
        return;
    const auto file = pelikor::findEntry(*folder, pathOfText(fileName).native(), pelikor::EntryKind::File);
    if (!file)
        return;
    changeDirectory(*folder, textOfPath(*folder));
    try {
        player_->play(textOfPath(file->filename()));
    } catch (...) {
        // A player that fails must not leave the program in the sounds folder.
        std::error_code ignored;
        std::filesystem::current_path(home, ignored);
        throw;
    }
    changeDirectory(home, applicationDir_);
}

void SoundCues::play(pelikor::SoundCue cue)
{
    const std::string_view name = pelikor::fileName(cue);
    play(QString::fromLatin1(name.data(), qsizetype(name.size())));
}
