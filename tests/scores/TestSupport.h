#pragma once

#include "DbaseTable.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// An empty best table in dir, as the template tool writes it.
void createTable(const std::filesystem::path& dir);

// Inserts and posts one record.
void addRecord(DbaseTable& table, std::string_view name, long long tahy, std::string_view hra,
               std::string_view date);

// Runs a script with Debian's Python; returns its standard output, fails the
// test when it exits with an error.
std::string runPython(const std::string& script);

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);

} // namespace testing_support
