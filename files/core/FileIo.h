#pragma once

#include "files/core/FileDescriptor.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pelikor {

// Reads to the end, at most `limit` bytes: false with errno set on an
// error, EFBIG for a longer file, found before its bytes are read.
bool readAll(int fd, std::string& bytes, std::size_t limit);
// Writes every byte; false with errno set on an error.
bool writeAll(int fd, std::string_view bytes);

// Opens a file for reading only when it is a regular file: a FIFO or a
// device would block the open or never end. Otherwise an invalid
// descriptor, with errno EINVAL for an entry of another kind.
FileDescriptor openRegularForReading(const std::filesystem::path& file);

// The whole content of a regular file of at most `limit` bytes; throws
// FileError naming it.
std::string readFile(const std::filesystem::path& file, std::size_t limit);

} // namespace pelikor
