#pragma once

#include <QString>

#include <filesystem>

// Where the program's files lie; the one place that tells the two layouts
// apart. A portable application folder keeps everything beside the
// program. An installed program is one whose install data folder is found
// from the program's own folder (<prefix>/share/games/pelikor2000 beside
// <prefix>/games); it reads what it ships from there and keeps each
// player's own files in the player's folders, $XDG_CONFIG_HOME/pelikor2000
// (settings) and $XDG_DATA_HOME/pelikor2000 (the best table), by default
// ~/.config/pelikor2000 and ~/.local/share/pelikor2000.
class AppFolders {
public:
    // Everything in one folder, as a portable application folder keeps it.
    static AppFolders portable(const std::filesystem::path& folder);
    // The same for `applicationDir` as AppPath::folderText() gives it, ending
    // with "/". Not explicit: whoever names the program one folder, as the
    // tests and the tools do, means a portable one.
    AppFolders(const QString& applicationDir);
    // The folders of the program file that lies in `programFolder`, with
    // the player's folders taken from the environment.
    static AppFolders ofProgram(const std::filesystem::path& programFolder);

    bool installed() const { return installed_; }
    // Where "Kolvex.ini" lies.
    const std::filesystem::path& settings() const { return settings_; }
    // Where the folder "Data" with the live best table lies.
    const std::filesystem::path& table() const { return table_; }
    // Where the read-only files lie: "Zvuky", the template "Data/Zaloha",
    // the manual, and the settings a new player starts with. The current
    // folder returns here after every cue, so that the manual's page,
    // named relative to it, is found.
    const std::filesystem::path& shipped() const { return shipped_; }

    // A folder as the windows' text types carry it, ending with "/", its
    // bytes kept by pelikor::pathText.
    static QString text(const std::filesystem::path& folder);

private:
    AppFolders() = default;

    bool installed_ = false;
    std::filesystem::path settings_;
    std::filesystem::path table_;
    std::filesystem::path shipped_;
};
