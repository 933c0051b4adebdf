#pragma once

#include "scores/core/FileStore.h"

#include <filesystem>
#include <optional>

namespace pelikor {

// The folder lock for one step of the table, unless the table already holds
// it for a caller's ExclusiveAccess: a second lock from the same process
// would wait on the first for ever.
class StepLock {
public:
    StepLock(const std::filesystem::path& dir, bool held)
    {
        if (!held)
            lock_.emplace(dir);
    }

private:
    std::optional<filestore::FolderLock> lock_;
};

} // namespace pelikor
