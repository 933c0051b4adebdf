#include "FileStore.h"

#include "DbaseError.h"
#include "FileDescriptor.h"
#include "FindEntry.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filestore {

namespace {

constexpr std::size_t chunkSize = 64 * 1024;

std::string systemError(int error)
{
    return std::strerror(error);
}

fs::path temporaryFor(const fs::path& target)
{
    return target.parent_path() / ("." + target.filename().string() + ".new-" + std::to_string(::getpid()));
}

void writeFile(const fs::path& target, const fs::path& temporary, std::string_view content, const WriteHooks& hooks)
{
    pelikor::FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.valid())
        throw DbaseError("Cannot write \"" + target.string() + "\": " + systemError(errno));
    std::size_t offset = 0;
    while (offset < content.size()) {
        if (hooks.beforeChunk)
            hooks.beforeChunk(target, offset);
        const std::size_t n = std::min(chunkSize, content.size() - offset);
        const ssize_t written = ::write(fd.get(), content.data() + offset, n);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw DbaseError("Cannot write \"" + target.string() + "\": " + systemError(errno));
        }
        offset += std::size_t(written);
    }
    if (::fdatasync(fd.get()) != 0 || !fd.close())
        throw DbaseError("Cannot write \"" + target.string() + "\": " + systemError(errno));
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
    pelikor::FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        throw DbaseError("Cannot open \"" + file.string() + "\": " + systemError(errno));
    std::string content;
    char buffer[chunkSize];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw DbaseError("Cannot read \"" + file.string() + "\": " + systemError(errno));
        }
        if (n == 0)
            break;
        content.append(buffer, std::size_t(n));
    }
    return content;
}

void replaceAll(const std::vector<std::pair<fs::path, std::string>>& files, const WriteHooks& hooks)
{
    std::vector<fs::path> temporaries;
    const fs::path* current = files.empty() ? nullptr : &files.front().first;
    const auto removeTemporaries = [&] {
        std::error_code ignored;
        for (const fs::path& t : temporaries)
            fs::remove(t, ignored);
    };
    try {
        for (const auto& [target, content] : files) {
            current = &target;
            temporaries.push_back(temporaryFor(target));
            writeFile(target, temporaries.back(), content, hooks);
        }
        for (std::size_t i = 0; i < files.size(); ++i) {
            const fs::path& target = files[i].first;
            current = &target;
            if (hooks.beforeRename)
                hooks.beforeRename(target);
            if (::rename(temporaries[i].c_str(), target.c_str()) != 0)
                throw DbaseError("Cannot replace \"" + target.string() + "\": " + systemError(errno));
        }
    } catch (const DbaseError&) {
        removeTemporaries();
        throw;
    } catch (const std::exception& error) {
        removeTemporaries();
        throw DbaseError("Cannot write \"" + current->string() + "\": " + error.what());
    }
    // The renames themselves reach the disk only with the folder.
    if (!files.empty()) {
        const fs::path folder = files.front().first.parent_path();
        pelikor::FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.valid())
            ::fsync(dir.get());
    }
}

Stamp stampOf(const fs::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return {};
    return {std::uintmax_t(info.st_ino), std::uintmax_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec, true};
}

FolderLock::FolderLock(const fs::path& dir)
    : fd_(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!fd_.valid())
        throw DbaseError("Cannot open the folder \"" + dir.string() + "\": " + systemError(errno));
    while (::flock(fd_.get(), LOCK_EX) != 0) {
        if (errno != EINTR)
            throw DbaseError("Cannot lock the folder \"" + dir.string() + "\": " + systemError(errno));
    }
}

FolderLock::~FolderLock()
{
    ::flock(fd_.get(), LOCK_UN);
}

} // namespace filestore
