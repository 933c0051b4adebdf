#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace pelikor {

// What the file system tells about a file's identity and last change,
// enough to know that its bytes are still the ones read before.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // content change time
    std::int64_t changedNs = 0;  // status change time: also moves when the content time is set back by hand

    bool operator==(const FileStamp&) const = default;

    // The stamp of an existing regular file, or nothing.
    static std::optional<FileStamp> of(const std::filesystem::path& file);
    static std::optional<FileStamp> of(int descriptor);
    // The stamp of an existing folder, whose times move with its listing.
    static std::optional<FileStamp> ofFolder(const std::filesystem::path& folder);
};

} // namespace pelikor
