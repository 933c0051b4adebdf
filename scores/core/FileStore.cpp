#include "scores/core/FileStore.h"

#include "files/core/FileError.h"
#include "files/core/FileIo.h"
#include "files/core/FindEntry.h"
#include "scores/core/DbaseError.h"

namespace pelikor {

namespace filestore {

namespace {

template <typename Step>
auto reported(Step step)
{
    try {
        return step();
    } catch (const pelikor::FileError& error) {
        throw DbaseError(error);
    }
}

} // namespace

fs::path resolve(const fs::path& dir, std::string_view name)
{
    return resolve(dir, name, name);
}

fs::path resolve(const fs::path& dir, std::string_view name, std::string_view missingName)
{
    return pelikor::findEntry(dir, name, pelikor::EntryKind::Any).value_or(dir / missingName);
}

bool exists(const fs::path& dir, std::string_view name)
{
    std::error_code error;
    return fs::exists(resolve(dir, name), error);
}

std::string readAll(const fs::path& file)
{
    return reported([&] { return pelikor::readFile(file, largestFile); });
}

void replaceAll(const std::vector<std::pair<fs::path, std::string>>& files, const WriteHooks& hooks)
{
    reported([&] { pelikor::replaceFiles(files, hooks); });
}

FolderLock::FolderLock(const fs::path& dir) : lock_(reported([&] { return pelikor::FolderLock(dir); })) {}

} // namespace filestore

} // namespace pelikor
