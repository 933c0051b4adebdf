#include "files/core/WatchedFile.h"

#include "files/core/AsciiCase.h"
#include "files/core/FileError.h"
#include "files/core/FindEntry.h"
#include "files/core/LinkChain.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <sys/inotify.h>
#include <unistd.h>

namespace pelikor {

namespace {

// Every way an entry's content or its place in the folder can change.
constexpr std::uint32_t kNoticeMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB
    | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;
// Every way the file itself can change, through whichever name.
constexpr std::uint32_t kFileNoticeMask = IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
// The watched folder itself went away or the kernel dropped notices.
constexpr std::uint32_t kLostMask = IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT;

// Without notification: file times can be as coarse as two seconds (FAT)
// and are at least a clock tick coarse elsewhere, so a same-size rewrite
// within that span of the last change may leave the stamp as it was. A file
// changed that recently counts as changed at every look until it has been
// quiet that long.
constexpr std::int64_t kTimestampMarginNs = 2'000'000'000;

std::int64_t wallClockNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

WatchedFile::WatchedFile(std::filesystem::path folder, std::string name)
    : folder_(std::move(folder)), name_(std::move(name)), path_(folder_ / name_),
      notices_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
}

bool WatchedFile::changed()
{
    if (!looked_) {
        looked_ = true;
        return lookAgain();
    }
    if (watching_)
        return drainNotices() && lookAgain();
    // Notification may be had again (the folder is back): take it up.
    if (notices_.valid() && watchAll())
        return lookAgain();
    return stampsMoved() && lookAgain();
}

// Notices that came before are of changes the caller's read will see.
bool WatchedFile::lookAgain()
{
    drainNotices();
    locate();
    watching_ = watchAll();
    if (!watching_)
        rememberStamps();
    return true;
}

void WatchedFile::locate()
{
    ++searches_;
    path_ = findEntry(folder_, name_, EntryKind::File).value_or(folder_ / name_);
}

bool WatchedFile::watchAll()
{
    if (!notices_.valid())
        return false;
    std::vector<std::filesystem::path> chain{path_};
    try {
        chain = linkChain(path_);
    } catch (const FileError&) {
    }
    std::vector<Watch> next;
    bool complete = true;
    for (const std::filesystem::path& entry : chain) {
        const int descriptor = ::inotify_add_watch(notices_.get(), entry.parent_path().c_str(), kNoticeMask);
        if (descriptor < 0) {
            complete = false;
            break;
        }
        next.push_back({descriptor, entry.filename().string()});
    }
    // A file that is missing is noticed when its folder's entry appears.
    if (complete) {
        const int descriptor = ::inotify_add_watch(notices_.get(), chain.back().c_str(), kFileNoticeMask);
        if (descriptor >= 0)
            next.push_back({descriptor, {}});
    }
    for (const Watch& old : watches_)
        if (std::ranges::none_of(next, [&](const Watch& w) { return w.descriptor == old.descriptor; }))
            ::inotify_rm_watch(notices_.get(), old.descriptor);
    watches_ = std::move(next);
    return complete;
}

bool WatchedFile::drainNotices()
{
    if (!notices_.valid())
        return false;
    alignas(inotify_event) char buffer[4096];
    bool relevant = false;
    for (;;) {
        const ssize_t got = ::read(notices_.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return relevant;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                relevant = true;
                continue;
            }
            const std::string_view name = event->len > 0 ? std::string_view(event->name) : std::string_view();
            for (const Watch& watch : watches_) {
                if (watch.descriptor != event->wd)
                    continue;
                if ((event->mask & kLostMask) || watch.name.empty() || equalIgnoringCase(name, watch.name))
                    relevant = true;
            }
        }
    }
}

bool WatchedFile::stampsMoved()
{
    const std::optional<FileStamp> folder = FileStamp::ofFolder(folder_);
    if (folder != folderStamp_)
        return true;
    const std::optional<FileStamp> file = FileStamp::of(path_);
    // The status change time is the system's own clock at the change; the
    // content time can be set to any day, even one in the future, which
    // would keep the file "recent" for good.
    return file != fileStamp_ || (file && file->changedNs + kTimestampMarginNs >= lookedNs_);
}

void WatchedFile::rememberStamps()
{
    lookedNs_ = wallClockNs();
    folderStamp_ = FileStamp::ofFolder(folder_);
    fileStamp_ = FileStamp::of(path_);
}

} // namespace pelikor
