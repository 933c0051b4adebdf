// Writes the empty best table and its index into the template folder, and
// copies them to the live folder only where no live table exists yet, so a
// rebuild never touches a player's results.

#include "scores/core/DbaseTable.h"
#include "scores/core/FileStore.h"

#include <exception>
#include <filesystem>
#include <iostream>

using namespace pelikor;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <template folder> <data folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path templateDir = argv[1];
        const std::filesystem::path dataDir = argv[2];
        std::filesystem::create_directories(templateDir);
        std::filesystem::create_directories(dataDir);
        DbaseTable::createEmpty(templateDir, DbaseTable::tableName, DbaseTable::templateIndexName);

        if (!filestore::exists(dataDir, DbaseTable::tableName)) {
            const auto table = filestore::readAll(filestore::resolve(templateDir, DbaseTable::tableName));
            const auto index = filestore::readAll(filestore::resolve(templateDir, DbaseTable::templateIndexName));
            filestore::replaceAll({{filestore::resolve(dataDir, DbaseTable::liveIndexName), index},
                                   {filestore::resolve(dataDir, DbaseTable::tableName), table}});
        }
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
