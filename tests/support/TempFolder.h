#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

#include <stdlib.h>
#include <unistd.h>

// Where a folder lies: on the disk of the system's temporary folder, or in
// memory where what a test does so many times would otherwise wait on the
// disk at every step and the disk itself is not what it tries.
enum class Medium { Disk, Memory };

// The shared-memory file system where the system has one, else the
// temporary folder.
inline std::filesystem::path folderOn(Medium medium)
{
    const std::filesystem::path memory = "/dev/shm";
    if (medium == Medium::Memory && ::access(memory.c_str(), W_OK | X_OK) == 0)
        return memory;
    return std::filesystem::temp_directory_path();
}

// A fresh folder under the system's temporary folder (or in memory),
// removed with all it holds (read-only parts included) when it goes out of
// scope.
class TempFolder {
public:
    explicit TempFolder(Medium medium = Medium::Disk)
    {
        std::string pattern = (folderOn(medium) / "pelikor-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
        // Open to every user, so that a test may try it as an unprivileged one.
        std::filesystem::permissions(path_, std::filesystem::perms::all);
    }
    ~TempFolder()
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
            // A link may point outside the folder, where nothing is ours to change.
            if (entry.is_symlink(error))
                continue;
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

// Throws when the file cannot be opened, so that a missing file never
// compares equal to an empty one.
inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
