#include "files/core/FileStamp.h"

#include <sys/stat.h>

namespace pelikor {

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;

std::int64_t nanoseconds(const timespec& time)
{
    return std::int64_t(time.tv_sec) * kNsPerSecond + time.tv_nsec;
}

std::optional<FileStamp> stampOf(const struct stat& status, mode_t kind = S_IFREG)
{
    if ((status.st_mode & S_IFMT) != kind)
        return std::nullopt;
    return FileStamp{std::uint64_t(status.st_dev), std::uint64_t(status.st_ino), std::int64_t(status.st_size),
                     nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

} // namespace

std::optional<FileStamp> FileStamp::of(const std::filesystem::path& file)
{
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0)
        return std::nullopt;
    return stampOf(status);
}

std::optional<FileStamp> FileStamp::of(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return std::nullopt;
    return stampOf(status);
}

std::optional<FileStamp> FileStamp::ofFolder(const std::filesystem::path& folder)
{
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return std::nullopt;
    return stampOf(status, S_IFDIR);
}

} // namespace pelikor
