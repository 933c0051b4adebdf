#include "files/core/LinkChain.h"

#include "files/core/FileError.h"

#include <cerrno>
#include <sys/stat.h>

namespace pelikor {

namespace {

// As many links as the kernel follows in one path.
constexpr std::size_t kMostLinks = 40;

} // namespace

std::vector<std::filesystem::path> linkChain(const std::filesystem::path& file)
{
    std::vector<std::filesystem::path> chain{file};
    for (;;) {
        struct stat status {};
        if (::lstat(chain.back().c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return chain;
        if (chain.size() > kMostLinks)
            throw FileError(FileAction::FollowLinks, file, ELOOP);
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(chain.back(), error);
        if (error)
            throw FileError(FileAction::FollowLinks, file, error.value());
        chain.push_back(target.is_absolute() ? target : chain.back().parent_path() / target);
    }
}

std::filesystem::path linkTarget(const std::filesystem::path& file)
{
    return linkChain(file).back();
}

} // namespace pelikor
