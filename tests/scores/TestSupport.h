#pragma once

#include "scores/core/DbaseTable.h"
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

// An empty best table in dir, as the template tool writes it.
void createTable(const std::filesystem::path& dir);

// An application folder with an empty live table in Data and the template
// in Data/Zaloha, as a fresh installation has them.
struct InstalledFolder {
    InstalledFolder();
    TempFolder app;
    std::filesystem::path data;
    std::filesystem::path zaloha;
};

// Points the table at dir and opens it.
void openIn(pelikor::DbaseTable& table, const std::filesystem::path& dir);

// Inserts and posts one record.
void addRecord(pelikor::DbaseTable& table, std::string_view name, long long tahy, std::string_view hra,
               std::string_view date);

// A tag of an index another engine wrote: its definition and the keys of
// its one leaf, in tree order.
struct ForeignTag {
    std::string name;
    std::string expression;
    char keyType = 'C';
    std::size_t keyLength = 0;
    std::uint8_t format = 0; // 0x08 descending, 0x40 unique
    bool condition = false;  // a FOR clause
    std::vector<std::pair<std::string, std::uint32_t>> keys = {};
};

// An index as another engine writes it, with the tags in their order: each
// tag one leaf of blockPages pages, a free block on the free list and its
// own bytes wherever ours are 0. Returns the index.
std::string writeForeignIndex(const std::filesystem::path& file, std::size_t blockPages,
                              const std::vector<ForeignTag>& tags);

// A best table with its index in dir as another engine writes them: as many
// records as one JMENO leaf of blockPages pages takes, each tag one leaf
// with the keys dBASE writes, equal keys in reverse file order, a free
// block on the free list and its own bytes wherever ours are 0. Returns the
// index.
std::string writeForeignTable(const std::filesystem::path& dir, std::string_view indexName, std::size_t blockPages);

// Runs a script with Debian's Python; returns its standard output, fails the
// test when it exits with an error.
std::string runPython(const std::string& script);

} // namespace testing_support
