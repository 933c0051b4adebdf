#pragma once

#include "FileStamp.h"
#include "ProfileText.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelikor {

// One INI file read and written with the rules of the Windows profile
// functions. Reads reuse the parsed file while the file system shows it
// unchanged, because the game monitor reads a key every millisecond.
class ProfileFile {
public:
    explicit ProfileFile(std::filesystem::path file);

    const std::filesystem::path& path() const { return file_; }
    // Points at another file; the parsed text of the old one is dropped.
    void setPath(std::filesystem::path file);

    // The key's value; the empty text when the file, the section or the key
    // is missing or the file cannot be read.
    std::string read(std::string_view section, std::string_view key);

    // Sets the key, creating the file, the section or the key when missing;
    // changes no other byte. Throws ProfileWriteError when the file cannot be written.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // How many times the file has been parsed, to see the cache at work.
    long parses() const { return parses_; }

private:
    struct Parsed {
        FileStamp stamp;
        std::int64_t readStartNs;
        ProfileText text;
    };

    bool cacheHolds(const FileStamp& stamp) const;
    void reparse(std::int64_t nowNs);

    std::filesystem::path file_;
    std::optional<Parsed> parsed_;
    long parses_ = 0;
};

} // namespace pelikor
