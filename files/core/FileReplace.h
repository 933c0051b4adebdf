#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelikor {

// Points where a test can make a write fail, by throwing from the hook.
struct WriteHooks {
    std::function<void(const std::filesystem::path& target, std::size_t offset)> beforeChunk;
    std::function<void(const std::filesystem::path& target)> beforeRename;
};

// Gives every file its new content so that a failure or a kill at any
// point leaves each file old or new, never between: the content is written
// beside the file, flushed, given the old file's mode and, where the
// process may, its owner, then renamed into place, in the given order.
// A symbolic link stays and the file it leads to is replaced, in that
// file's folder. A file that exists but is not a regular file, or that the
// process may not write, is refused before anything is written. Temporary
// files that killed writers left beside the files are cleared first. On a
// failure the files not yet renamed keep their old content, no temporary
// file stays, and a FileError names the file.
void replaceFiles(const std::vector<std::pair<std::filesystem::path, std::string>>& files,
                  const WriteHooks& hooks = {});

// Writes a file over its old bytes, for a file whose folder cannot take a
// new one. The room is taken first, so that a full disk fails before any
// byte changes; a kill halfway is not survived. Throws FileError.
void rewriteInPlace(const std::filesystem::path& file, std::string_view content);

// Whether a new file can be made beside an existing one: false in a folder
// the process may not write.
bool folderTakesNewFiles(const std::filesystem::path& folder);

} // namespace pelikor
