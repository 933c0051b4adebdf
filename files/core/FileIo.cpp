#include "files/core/FileIo.h"

#include "files/core/FileError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelikor {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

} // namespace

bool readAll(int fd, std::string& bytes, std::size_t limit)
{
    // Read straight into room taken once for the whole file: fresh memory
    // is costly to touch, and a file read at every change should not touch
    // it twice.
    struct stat status {};
    const std::size_t expected = ::fstat(fd, &status) == 0 && status.st_size > 0 ? std::size_t(status.st_size) : 0;
    if (expected > limit) {
        errno = EFBIG;
        return false;
    }
    const std::size_t start = bytes.size();
    bytes.reserve(start + expected + 1);
    for (;;) {
        // A file may grow while it is read.
        if (bytes.size() - start > limit) {
            bytes.resize(start);
            errno = EFBIG;
            return false;
        }
        if (bytes.size() == bytes.capacity())
            bytes.reserve(bytes.capacity() * 2 + kChunk);
        const std::size_t at = bytes.size();
        bytes.resize(bytes.capacity());
        const ssize_t got = ::read(fd, bytes.data() + at, bytes.size() - at);
        bytes.resize(at + std::size_t(std::max<ssize_t>(got, 0)));
        if (got == 0)
            return true;
        if (got < 0 && errno != EINTR)
            return false;
    }
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(put));
    }
    return true;
}

FileDescriptor openRegularForReading(const std::filesystem::path& file)
{
    // Without O_NONBLOCK the open itself waits for a FIFO's writer.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return fd;
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        return FileDescriptor(-1);
    if (!S_ISREG(status.st_mode)) {
        errno = EINVAL;
        return FileDescriptor(-1);
    }
    return fd;
}

std::string readFile(const std::filesystem::path& file, std::size_t limit)
{
    const FileDescriptor fd = openRegularForReading(file);
    if (!fd.valid()) {
        if (errno == EINVAL)
            throw FileError(FileAction::Open, file, kNotRegularFile);
        throw FileError(FileAction::Open, file, errno);
    }
    std::string bytes;
    if (!readAll(fd.get(), bytes, limit))
        throw FileError(FileAction::Read, file, errno);
    return bytes;
}

} // namespace pelikor
