#include "files/core/FileError.h"

#include <system_error>

namespace pelikor {

namespace {

std::string logText(FileAction action, const std::filesystem::path& file, int code)
{
    static constexpr const char* actions[] = {"open",        "read",        "write",        "replace",
                                              "follow links", "open folder", "lock folder", "make folder"};
    const std::string reason = code == kNotRegularFile ? "not a regular file" : std::generic_category().message(code);
    return std::string(actions[int(action)]) + " \"" + file.string() + "\": " + reason;
}

} // namespace

FileError::FileError(FileAction action, const std::filesystem::path& file, int code)
    : std::runtime_error(logText(action, file, code)), action_(action), file_(file), code_(code)
{
}

} // namespace pelikor
