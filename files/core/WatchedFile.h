#pragma once

#include "files/core/FileDescriptor.h"
#include "files/core/FileStamp.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pelikor {

// A file of a folder, found by its name without regard to letter case, and
// whether it may have changed since the last look. The kernel's change
// notification of the folder (and of the folders its links lead through,
// and of the file itself, which another hard link may write) is read
// without waiting from the look itself, so that a look costs one system
// call while nothing changes and needs no event loop; changes to other
// entries of the folder cost nothing more. Where notification cannot be had,
// the stamps of the folder and the file are compared instead.
class WatchedFile {
public:
    WatchedFile(std::filesystem::path folder, std::string name);

    // The file as last found; the folder and the name as given when none is.
    const std::filesystem::path& path() const { return path_; }

    // True on the first look and whenever the file, a link on its way or the
    // folder's entry for it may have changed since the last look; the file
    // is found again then, before the caller reads it.
    bool changed();

    // How many times the folder was searched for the file.
    long searches() const { return searches_; }
    // Whether the kernel's change notification is in use.
    bool notified() const { return watching_; }
    // Becomes readable when a change may have come, so that an event loop
    // can wait for it instead of looking again and again; -1 when the
    // kernel gives no notification. The next look takes the notices.
    int noticeDescriptor() const { return notices_.get(); }

private:
    // A folder's watch notices its entry `name`; a file's watch, with no
    // name, notices every change of the file.
    struct Watch {
        int descriptor;
        std::string name;
    };

    void locate();
    bool watchAll();
    bool drainNotices();
    bool stampsMoved();
    void rememberStamps();
    bool lookAgain();

    std::filesystem::path folder_;
    std::string name_;
    std::filesystem::path path_;
    FileDescriptor notices_;
    std::vector<Watch> watches_;
    bool watching_ = false;
    bool looked_ = false;
    std::optional<FileStamp> folderStamp_;
    std::optional<FileStamp> fileStamp_;
    std::int64_t lookedNs_ = 0;
    long searches_ = 0;
};

} // namespace pelikor
