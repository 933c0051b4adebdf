// Writes the settings a new player starts with into a folder's settings
// file: the assistant figure shown and the welcome at start. A folder that
// has a settings file keeps it as it is, so that a rebuild never changes
// a player's settings.

#include "files/core/FindEntry.h"
#include "services/Settings.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        if (pelikor::findEntry(folder, Settings::kFileName, pelikor::EntryKind::Any))
            return 0;
        Settings settings(folder);
        settings.write(Settings::kAssistantKey, QStringLiteral("1"));
        settings.write(Settings::kWelcomeKey, QStringLiteral("1"));
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
