#pragma once

#include "DbfFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The production index file in the dBASE IV multiple-index layout:
// 512-byte pages, a tag table, and one B-tree per tag.
namespace mdx {

enum class Tag { Jmeno, Tahy };

constexpr std::size_t pageSize = 512;
constexpr std::size_t numericKeyLength = 12;

// Record positions (0-based) in the tag's ascending order; equal keys keep
// the order of the file.
std::vector<std::uint32_t> order(const DbfTable& table, Tag tag);

// The index key of a record as stored in the B-tree.
std::string characterKey(std::string_view text, int width);
std::string numericKey(long long value);

// The whole index file for the table; tableName is the table's file name
// without extension, as the header records it.
std::string build(const DbfTable& table, std::string_view tableName);

// One tag read back from an index file: its name, key type and the
// (key, record number) pairs of its leaves in tree order.
struct TagContents {
    std::string name;
    char keyType = 0;
    std::vector<std::pair<std::string, std::uint32_t>> entries;
};

// Walks every tag of an index file; throws DbaseError naming fileName when
// its structure is broken.
std::vector<TagContents> read(std::string_view bytes, const std::string& fileName);

} // namespace mdx
