#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pelikor {

// What the program was doing with a file when it failed, as the player reads it.
namespace fileaction {
inline constexpr std::string_view kOpen = "Nelze otevřít soubor";
inline constexpr std::string_view kRead = "Nelze číst soubor";
inline constexpr std::string_view kWrite = "Nelze zapsat soubor";
inline constexpr std::string_view kReplace = "Nelze nahradit soubor";
inline constexpr std::string_view kFollowLinks = "Nelze projít odkazy souboru";
inline constexpr std::string_view kOpenFolder = "Nelze otevřít složku";
inline constexpr std::string_view kLockFolder = "Nelze zamknout složku";
inline constexpr std::string_view kMakeFolder = "Nelze vytvořit složku";
// The reason given for an entry that is not a regular file.
inline constexpr std::string_view kNotRegular = "není to obyčejný soubor";
} // namespace fileaction

// The system's reason for an error code, in the player's language.
std::string reasonText(int code);

// A file that could not be read or written; the message names the file and
// the reason, and each store words it for its own callers.
class FileError : public std::runtime_error {
public:
    FileError(std::string_view action, const std::filesystem::path& file, int code)
        : FileError(action, file, code, reasonText(code))
    {
    }
    FileError(std::string_view action, const std::filesystem::path& file, int code, std::string_view reason)
        : std::runtime_error(std::string(action) + " \"" + file.string() + "\": " + std::string(reason)),
          file_(file), code_(code)
    {
    }

    const std::filesystem::path& file() const { return file_; }
    int code() const { return code_; }

private:
    std::filesystem::path file_;
    int code_;
};

} // namespace pelikor
