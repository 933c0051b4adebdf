#pragma once

#include "files/core/FileReplace.h"
#include "files/core/FolderLock.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelikor {

// The file layer as the table engine uses it: its failures come as
// DbaseError, whose message names the file.
namespace filestore {

namespace fs = std::filesystem;

// The file in dir whose name equals name without regard to letter case;
// dir/name when there is none. An exact match wins over other spellings.
fs::path resolve(const fs::path& dir, std::string_view name);
// As above, but dir/missingName when there is none: the spelling under which
// a file is written anew, found with a single scan of the folder.
fs::path resolve(const fs::path& dir, std::string_view name, std::string_view missingName);

bool exists(const fs::path& dir, std::string_view name);

// The whole file, read only when it is no larger than a table of two
// million entries with its index could be: a larger one is none of ours,
// and reading it whole could exhaust the memory.
constexpr std::size_t largestFile = std::size_t(256) << 20;
std::string readAll(const fs::path& file);

using WriteHooks = pelikor::WriteHooks;

// pelikor::replaceFiles: both files whole, old or new, whatever fails.
void replaceAll(const std::vector<std::pair<fs::path, std::string>>& files, const WriteHooks& hooks = {});

// An exclusive lock on a folder, held across processes until destroyed.
class FolderLock {
public:
    explicit FolderLock(const fs::path& dir);

private:
    pelikor::FolderLock lock_;
};

} // namespace filestore

} // namespace pelikor
