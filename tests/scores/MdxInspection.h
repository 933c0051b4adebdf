#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reads an index file back to check what mdx::build wrote. Only the tests
// and the fuzzer use it: the program builds its orders from the table and
// never walks the index trees.
namespace mdx_inspection {

// One tag: its name, key type and the (key, record number) pairs of its
// leaves in tree order.
struct TagContents {
    std::string name;
    char keyType = 0;
    std::vector<std::pair<std::string, std::uint32_t>> entries;
};

// Walks every tag of an index file; throws DbaseError naming fileName when
// its structure is broken.
std::vector<TagContents> readTags(std::string_view bytes, const std::string& fileName);

} // namespace mdx_inspection
