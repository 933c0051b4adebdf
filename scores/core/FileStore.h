#pragma once

#include "FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// File access for the table engine: names matched without regard to
// letter case, whole-file reads, replacement by rename, and the lock that
// lets two copies of the program share the files.
namespace filestore {

namespace fs = std::filesystem;

// The file in dir whose name equals name without regard to letter case;
// dir/name when there is none. An exact match wins over other spellings.
fs::path resolve(const fs::path& dir, std::string_view name);
// As above, but dir/missingName when there is none: the spelling under which
// a file is written anew, found with a single scan of the folder.
fs::path resolve(const fs::path& dir, std::string_view name, std::string_view missingName);

bool exists(const fs::path& dir, std::string_view name);

std::string readAll(const fs::path& file);

// Points where a test can make a write fail, by throwing from the hook.
struct WriteHooks {
    std::function<void(const fs::path& target, std::size_t offset)> beforeChunk;
    std::function<void(const fs::path& target)> beforeRename;
};

// Writes every file's new content beside it, flushes it to the disk, then
// renames the files into place in the given order. When a step fails the
// files not yet renamed keep their old content, no temporary file stays
// behind, and a DbaseError names the file.
void replaceAll(const std::vector<std::pair<fs::path, std::string>>& files, const WriteHooks& hooks = {});

// What identifies one version of a file: a rename or a rewrite changes it.
struct Stamp {
    std::uintmax_t inode = 0;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    bool present = false;
    bool operator==(const Stamp&) const = default;
};
Stamp stampOf(const fs::path& file);

// An exclusive lock on a folder, held across processes until destroyed.
class FolderLock {
public:
    explicit FolderLock(const fs::path& dir);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    pelikor::FileDescriptor fd_;
};

} // namespace filestore
