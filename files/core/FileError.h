#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace pelikor {

// What the program was doing with a file when it failed.
enum class FileAction { Open, Read, Write, Replace, FollowLinks, OpenFolder, LockFolder, MakeFolder };

// The reason given, in place of an error number, for an entry that is not
// a regular file.
inline constexpr int kNotRegularFile = -1;

// A file that could not be read or written: what was done, to which file,
// and the system's error number (or kNotRegularFile). The layer above
// words it in the player's language; what() is for the log.
class FileError : public std::runtime_error {
public:
    FileError(FileAction action, const std::filesystem::path& file, int code);

    FileAction action() const { return action_; }
    const std::filesystem::path& file() const { return file_; }
    int code() const { return code_; }

private:
    FileAction action_;
    std::filesystem::path file_;
    int code_;
};

} // namespace pelikor
