#include "ProfileFile.h"

#include "FileDescriptor.h"
#include "ProfileEdit.h"
#include "ProfileWriteError.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace pelikor {

namespace {

// File times can be as coarse as two seconds (FAT) and are at least a clock
// tick coarse elsewhere: a same-size rewrite within that span of the last
// change may leave the stamp as it was. A file changed that recently is
// therefore parsed again on every read until it has been quiet that long.
constexpr std::int64_t kTimestampMarginNs = 2'000'000'000;

constexpr std::size_t kReadChunk = 64 * 1024;

std::int64_t wallClockNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool readAll(int fd, std::string& bytes)
{
    char chunk[kReadChunk];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.append(chunk, std::size_t(got));
    }
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(put));
    }
    return true;
}

} // namespace

ProfileFile::ProfileFile(std::filesystem::path file) : file_(std::move(file)) {}

void ProfileFile::setPath(std::filesystem::path file)
{
    if (file == file_)
        return;
    file_ = std::move(file);
    parsed_.reset();
}

bool ProfileFile::cacheHolds(const FileStamp& stamp) const
{
    // The status change time is the system's own clock at the change; the
    // content time can be set to any day, even one in the future, which
    // would keep the file "recent" for good.
    return parsed_ && parsed_->stamp == stamp && stamp.changedNs + kTimestampMarginNs < parsed_->readStartNs;
}

void ProfileFile::reparse(std::int64_t nowNs)
{
    parsed_.reset();
    FileDescriptor fd(::open(file_.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        return;
    const std::optional<FileStamp> stamp = FileStamp::of(fd.get());
    std::string bytes;
    if (!stamp || !readAll(fd.get(), bytes))
        return;
    ++parses_;
    parsed_ = Parsed{*stamp, nowNs, ProfileText(bytes)};
}

std::string ProfileFile::read(std::string_view section, std::string_view key)
{
    const std::int64_t nowNs = wallClockNs();
    const std::optional<FileStamp> stamp = FileStamp::of(file_);
    if (!stamp) {
        parsed_.reset();
        return {};
    }
    if (!cacheHolds(*stamp))
        reparse(nowNs);
    if (!parsed_)
        return {};
    return parsed_->text.value(section, key).value_or(std::string());
}

void ProfileFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    parsed_.reset();
    std::string bytes;
    {
        FileDescriptor in(::open(file_.c_str(), O_RDONLY | O_CLOEXEC));
        if (!in.valid() && errno != ENOENT)
            throw ProfileWriteError(file_);
        if (in.valid() && !readAll(in.get(), bytes))
            throw ProfileWriteError(file_);
    }
    const std::string edited = withProfileValue(bytes, section, key, value);

    // Written in place rather than renamed over, so that the file keeps its
    // owner, its permissions and its links, and a writable file in a
    // read-only folder can still be written.
    // The room for the new text is taken before any byte changes: a full disk
    // then fails the write with the old file whole, where a write cut short
    // would leave the other programs' sections shifted and their tail lost.
    FileDescriptor out(::open(file_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (!out.valid() || (edited.size() > bytes.size() && ::posix_fallocate(out.get(), 0, off_t(edited.size())) != 0)
        || !writeAll(out.get(), edited) || ::ftruncate(out.get(), off_t(edited.size())) != 0 || !out.close())
        throw ProfileWriteError(file_);
}

} // namespace pelikor
