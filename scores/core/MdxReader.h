#pragma once

#include "scores/core/DbfFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelikor {

// Reads an index file back: the program builds its orders from the table,
// but checks that an index, whoever wrote it, fits its table.
namespace mdx {

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

// The value of a whole-number BCD key, whatever its filler bits; nothing
// for a key that holds no whole number.
std::optional<long long> numericValue(std::string_view key);

// How a key must hold its record's value: in any form that reads back as
// that value (blank or zero padding, numeric keys of earlier builds), or in
// exactly the bytes dBASE writes for it, which engines that compare keys by
// their bytes need.
enum class KeyForm { SameValue, AsDbaseWritesIt };

// Throws DbaseError naming fileName unless the index is whole and has the
// tags JMENO and TAHY, each with every record of the table once, under the
// record's own key, in ascending order. Block size, node fill, free blocks,
// unused bytes and the order among equal keys may be any other engine's.
void requireMatching(const DbfTable& table, std::string_view bytes, const std::string& fileName, KeyForm form);

} // namespace mdx

} // namespace pelikor
