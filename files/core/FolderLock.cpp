#include "files/core/FolderLock.h"

#include "files/core/FileError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace pelikor {

FolderLock::FolderLock(const std::filesystem::path& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!fd_.valid())
        throw FileError(FileAction::OpenFolder, folder, errno);
    while (::flock(fd_.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            throw FileError(FileAction::LockFolder, folder, errno);
    }
}

FolderLock::~FolderLock()
{
    ::flock(fd_.get(), LOCK_UN);
}

} // namespace pelikor
