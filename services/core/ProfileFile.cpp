#include "services/core/ProfileFile.h"

#include "files/core/FileError.h"
#include "files/core/FileIo.h"
#include "files/core/FileReplace.h"
#include "files/core/FindEntry.h"
#include "files/core/FolderLock.h"
#include "files/core/LinkChain.h"
#include "services/core/ProfileEdit.h"
#include "services/core/ProfileWriteError.h"

#include <cerrno>

namespace pelikor {

namespace {

// A settings file of a few keys; a larger one is read as no file and never
// written, so that it cannot exhaust the memory of a program reading it
// every millisecond.
constexpr std::size_t kLargestProfile = std::size_t(16) << 20;

} // namespace

ProfileFile::ProfileFile(const std::filesystem::path& file)
    : folder_(file.parent_path()), name_(file.filename().string()), file_(folder_, name_)
{
}

void ProfileFile::reparse()
{
    std::string bytes = parsed_ ? std::move(*parsed_).takeBytes() : std::string();
    bytes.clear();
    parsed_.reset();
    const FileDescriptor fd = openRegularForReading(file_.path());
    if (!fd.valid() || !readAll(fd.get(), bytes, kLargestProfile))
        return;
    ++parses_;
    parsed_.emplace(std::move(bytes));
}

std::string ProfileFile::read(std::string_view section, std::string_view key)
{
    if (file_.changed())
        reparse();
    if (!parsed_)
        return {};
    return parsed_->value(section, key).value_or(std::string());
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    // Found afresh under the lock: the spelling another copy wrote
    // meanwhile, or a link that leads nowhere yet, is kept.
    std::filesystem::path file = folder_ / name_;
    try {
        const FolderLock lock(folder_);
        file = findEntry(folder_, name_, EntryKind::Any).value_or(file);
        const std::filesystem::path target = linkTarget(file);
        std::string bytes;
        {
            const FileDescriptor in = openRegularForReading(target);
            if (!in.valid() && errno != ENOENT)
                throw ProfileWriteError(file);
            if (in.valid() && !readAll(in.get(), bytes, kLargestProfile))
                throw ProfileWriteError(file);
        }
        const std::string edited = withProfileValue(bytes, section, key, value);
        // A writable file in a folder that takes no new file can still be
        // written, though not safely against a kill.
        std::error_code missing;
        if (std::filesystem::exists(target, missing) && !folderTakesNewFiles(target.parent_path()))
            rewriteInPlace(target, edited);
        else
            replaceFiles({{file, edited}});
    } catch (const FileError&) {
        throw ProfileWriteError(file);
    }
}

} // namespace pelikor
