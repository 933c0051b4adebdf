#include "services/AppFolders.h"

#include "services/PathText.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace {

// Both are given by the build, which lays the install out.
constexpr const char* kShippedFromProgram = PELIKOR_SHIPPED_FROM_PROGRAM;
constexpr const char* kPlayerFolder = PELIKOR_PLAYER_FOLDER;

std::filesystem::path homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return user->pw_dir;
    return "/";
}

// An XDG base folder from its variable; one that is unset, empty or
// relative counts as unset, as the XDG rules say.
std::filesystem::path baseFolder(const char* variable, const std::filesystem::path& fallback)
{
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return value;
    return homeFolder() / fallback;
}

} // namespace

AppFolders AppFolders::portable(const std::filesystem::path& folder)
{
    AppFolders folders;
    folders.settings_ = folders.table_ = folders.shipped_ = folder;
    return folders;
}

AppFolders::AppFolders(const QString& applicationDir) : AppFolders(portable(pathOfText(applicationDir).parent_path()))
{
}

AppFolders AppFolders::ofProgram(const std::filesystem::path& programFolder)
{
    const std::filesystem::path shipped = (programFolder / kShippedFromProgram).lexically_normal();
    std::error_code error;
    if (!std::filesystem::is_directory(shipped, error))
        return portable(programFolder);
    AppFolders folders;
    folders.installed_ = true;
    folders.shipped_ = shipped;
    folders.settings_ = baseFolder("XDG_CONFIG_HOME", ".config") / kPlayerFolder;
    folders.table_ = baseFolder("XDG_DATA_HOME", ".local/share") / kPlayerFolder;
    return folders;
}

QString AppFolders::text(const std::filesystem::path& folder)
{
    const QString folderText = textOfPath(folder);
    return folderText.endsWith(QLatin1Char('/')) ? folderText : folderText + QLatin1Char('/');
}
