#pragma once

#include <filesystem>
#include <stdexcept>

namespace pelikor {

// A settings file that could not be written; the message names the file.
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::filesystem::path& file)
        : std::runtime_error("Unable to write to " + file.string()), file_(file)
    {
    }

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace pelikor
