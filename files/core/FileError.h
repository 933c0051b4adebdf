#pragma once

#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pelikor {

// A file that could not be read or written; the message names the file and
// the system's reason, and each store words it for its own callers.
class FileError : public std::runtime_error {
public:
    FileError(std::string_view action, const std::filesystem::path& file, int code)
        : FileError(action, file, code, std::strerror(code))
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
