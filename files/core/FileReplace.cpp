#include "files/core/FileReplace.h"

#include "files/core/FileDescriptor.h"
#include "files/core/FileError.h"
#include "files/core/FileIo.h"
#include "files/core/LinkChain.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelikor {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kTemporaryMark = ".new-";

std::string temporaryPrefix(const fs::path& target)
{
    return "." + target.filename().string() + std::string(kTemporaryMark);
}

fs::path temporaryFor(const fs::path& target)
{
    return target.parent_path() / (temporaryPrefix(target) + std::to_string(::getpid()));
}

bool processRuns(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Under the caller's lock no writer of ours is halfway, so a temporary file
// of a process that no longer runs is left over from a kill. One pass over
// the folder serves every file written there.
void removeStaleTemporaries(const fs::path& folder, const std::vector<fs::path>& finals)
{
    std::vector<std::string> prefixes;
    for (const fs::path& file : finals)
        if (file.parent_path() == folder)
            prefixes.push_back(temporaryPrefix(file));
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const auto prefix = std::ranges::find_if(prefixes, [&](const std::string& p) { return name.starts_with(p); });
        if (prefix == prefixes.end())
            continue;
        pid_t pid = 0;
        const char* digits = name.data() + prefix->size();
        const auto [rest, failure] = std::from_chars(digits, name.data() + name.size(), pid);
        if (failure != std::errc() || rest != name.data() + name.size() || pid <= 0 || pid == ::getpid()
            || processRuns(pid))
            continue;
        std::error_code ignored;
        fs::remove(entry->path(), ignored);
    }
}

std::vector<fs::path> foldersOf(const std::vector<fs::path>& files)
{
    std::vector<fs::path> folders;
    for (const fs::path& file : files)
        if (std::ranges::find(folders, file.parent_path()) == folders.end())
            folders.push_back(file.parent_path());
    return folders;
}

// What a new file must keep of the one it replaces.
struct Keep {
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

Keep checkWritable(const fs::path& target, const fs::path& file)
{
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return {};
        throw FileError(FileAction::Write, target, errno);
    }
    if (!S_ISREG(status.st_mode))
        throw FileError(FileAction::Write, target, kNotRegularFile);
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
        throw FileError(FileAction::Write, target, errno);
    return {true, mode_t(status.st_mode & 07777), status.st_uid, status.st_gid};
}

// A user may not give a file away and may give it only a group of its own;
// what cannot be kept stays the user's.
bool keepOwner(int fd, const Keep& keep)
{
    return ::fchown(fd, keep.owner, keep.group) == 0 || ::fchown(fd, uid_t(-1), keep.group) == 0;
}

void writeTemporary(const fs::path& target, const fs::path& temporary, std::string_view content, const Keep& keep,
                    const WriteHooks& hooks)
{
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.valid())
        throw FileError(FileAction::Write, target, errno);
    if (keep.exists) {
        keepOwner(fd.get(), keep);
        // After the owner, since a change of owner clears the set-id bits.
        if (::fchmod(fd.get(), keep.mode) != 0)
            throw FileError(FileAction::Write, target, errno);
    }
    for (std::size_t offset = 0; offset < content.size(); offset += kChunk) {
        if (hooks.beforeChunk)
            hooks.beforeChunk(target, offset);
        if (!writeAll(fd.get(), content.substr(offset, kChunk)))
            throw FileError(FileAction::Write, target, errno);
    }
    if (::fdatasync(fd.get()) != 0 || !fd.close())
        throw FileError(FileAction::Write, target, errno);
}

void syncFolder(const fs::path& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

} // namespace

void replaceFiles(const std::vector<std::pair<fs::path, std::string>>& files, const WriteHooks& hooks)
{
    std::vector<fs::path> finals;
    std::vector<fs::path> temporaries;
    const auto removeTemporaries = [&] {
        std::error_code ignored;
        for (const fs::path& t : temporaries)
            fs::remove(t, ignored);
    };
    const fs::path* current = nullptr;
    try {
        std::vector<Keep> keeps;
        for (const auto& [target, content] : files) {
            current = &target;
            finals.push_back(linkTarget(target));
            keeps.push_back(checkWritable(target, finals.back()));
        }
        for (const fs::path& folder : foldersOf(finals))
            removeStaleTemporaries(folder, finals);
        for (std::size_t i = 0; i < files.size(); ++i) {
            current = &files[i].first;
            temporaries.push_back(temporaryFor(finals[i]));
            writeTemporary(files[i].first, temporaries.back(), files[i].second, keeps[i], hooks);
        }
        for (std::size_t i = 0; i < files.size(); ++i) {
            current = &files[i].first;
            if (hooks.beforeRename)
                hooks.beforeRename(files[i].first);
            if (::rename(temporaries[i].c_str(), finals[i].c_str()) != 0)
                throw FileError(FileAction::Replace, files[i].first, errno);
            temporaries[i].clear();
        }
    } catch (const FileError&) {
        removeTemporaries();
        throw;
    } catch (const std::exception&) {
        removeTemporaries();
        throw FileError(FileAction::Write, *current, EIO);
    }
    // The renames themselves reach the disk only with their folders.
    for (const fs::path& folder : foldersOf(finals))
        syncFolder(folder);
}

void rewriteInPlace(const fs::path& file, std::string_view content)
{
    FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!fd.valid() || ::fstat(fd.get(), &status) != 0)
        throw FileError(FileAction::Write, file, errno);
    if (!S_ISREG(status.st_mode))
        throw FileError(FileAction::Write, file, kNotRegularFile);
    if (off_t(content.size()) > status.st_size) {
        if (const int error = ::posix_fallocate(fd.get(), 0, off_t(content.size())); error != 0)
            throw FileError(FileAction::Write, file, error);
    }
    if (!writeAll(fd.get(), content) || ::ftruncate(fd.get(), off_t(content.size())) != 0 || ::fdatasync(fd.get()) != 0
        || !fd.close())
        throw FileError(FileAction::Write, file, errno);
}

bool folderTakesNewFiles(const fs::path& folder)
{
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace pelikor
