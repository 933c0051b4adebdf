#include "app/PlayerFiles.h"

#include "files/core/FileError.h"
#include "files/core/FileIo.h"
#include "files/core/FileReplace.h"
#include "files/core/FindEntry.h"
#include "scores/core/DbaseTable.h"
#include "services/AppFolders.h"
#include "services/Settings.h"

#include <cerrno>
#include <filesystem>
#include <string_view>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDataFolder[] = {"Data"};
constexpr std::string_view kTemplateFolder[] = {"Data", "Zaloha"};
// Settings a player starts with are a few lines; a larger file is none of ours.
constexpr std::size_t kLargestSettings = std::size_t(64) << 10;
// The XDG rules give a folder they make to its owner alone.
constexpr mode_t kPlayerFolderMode = 0700;

void makeFolders(const fs::path& folder)
{
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), kPlayerFolderMode) != 0 && errno != EEXIST)
            throw pelikor::FileError(pelikor::FileAction::MakeFolder, made, errno);
    }
}

bool hasEntry(const fs::path& folder, std::string_view name)
{
    return pelikor::findEntry(folder, name, pelikor::EntryKind::Any).has_value();
}

void layOutSettings(const AppFolders& folders)
{
    const auto defaults = pelikor::findEntry(folders.shipped(), Settings::kFileName, pelikor::EntryKind::File);
    if (!defaults)
        return;
    try {
        makeFolders(folders.settings());
        if (!hasEntry(folders.settings(), Settings::kFileName))
            pelikor::replaceFiles(
                {{folders.settings() / Settings::kFileName, pelikor::readFile(*defaults, kLargestSettings)}});
    } catch (const pelikor::FileError&) {
        // Left out: the assistant and the welcome then wait for the player.
    }
}

void layOutTable(const AppFolders& folders)
{
    const fs::path data = pelikor::findFolderPath(folders.table(), kDataFolder);
    makeFolders(data);
    if (hasEntry(data, pelikor::DbaseTable::tableName))
        return;
    pelikor::DbaseTable table;
    table.setDatabaseName(data);
    table.resetFromTemplate(pelikor::findFolderPath(folders.shipped(), kTemplateFolder));
}

} // namespace

void layOutPlayerFiles(const AppFolders& folders)
{
    if (!folders.installed())
        return;
    layOutSettings(folders);
    layOutTable(folders);
}
