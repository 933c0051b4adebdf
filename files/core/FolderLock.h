#pragma once

#include "files/core/FileDescriptor.h"

#include <filesystem>

namespace pelikor {

// An exclusive lock on a folder, held across processes until destroyed:
// the writers of the program's files take it for the files of the folder.
class FolderLock {
public:
    // Waits for the lock; throws FileError naming the folder.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    FileDescriptor fd_;
};

} // namespace pelikor
