#pragma once

#include "files/core/WatchedFile.h"
#include "services/core/ProfileText.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelikor {

// One INI file read and written with the rules of the Windows profile
// functions, found in its folder without regard to letter case. Reads reuse
// the parsed file until the file changes, because the game monitor reads a
// key every millisecond; writes replace the file whole under the folder's
// lock, so that other copies of the program lose none of their keys.
class ProfileFile {
public:
    explicit ProfileFile(const std::filesystem::path& file);

    // The file as last found.
    const std::filesystem::path& path() const { return file_.path(); }

    // The key's value; the empty text when the file, the section or the key
    // is missing or the file cannot be read.
    std::string read(std::string_view section, std::string_view key);

    // Sets the key, creating the file, the section or the key when missing;
    // changes no other byte. Throws ProfileWriteError when the file cannot be written.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // Readable when the file may have changed (-1 without notification);
    // whether notification is in use since the last read.
    int noticeDescriptor() const { return file_.noticeDescriptor(); }
    bool notified() const { return file_.notified(); }

    // How many times the file has been parsed, to see the cache at work.
    long parses() const { return parses_; }
    // How many times the folder was searched for the file.
    long searches() const { return file_.searches(); }

private:
    void reparse();

    std::filesystem::path folder_;
    std::string name_;
    WatchedFile file_;
    std::optional<ProfileText> parsed_;
    long parses_ = 0;
};

} // namespace pelikor
