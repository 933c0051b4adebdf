#pragma once

#include "scores/core/DbfFormat.h"
#include "scores/core/MdxFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelikor {

// Reads an index file back: the program builds its orders from the table,
// but checks that an index, whoever wrote it, fits its table, and keeps the
// tags another engine added.
namespace mdx {

// One tag: its definition and the (key, record number) pairs of its leaves
// in tree order.
struct TagContents : TagDefinition {
    std::vector<std::pair<std::string, std::uint32_t>> entries;
};

// Walks every tag of an index file; throws DbaseError naming fileName when
// its structure is broken.
std::vector<TagContents> readTags(std::string_view bytes, const std::string& fileName);

// The tags an index file defines, from its tag table and tag headers, its
// trees not walked; throws DbaseError naming fileName when those are broken.
std::vector<TagDefinition> readDefinitions(std::string_view bytes, const std::string& fileName);

// The value of a whole-number BCD key, whatever its filler bits; nothing
// for a key that holds no whole number.
std::optional<long long> numericValue(std::string_view key);
// The Julian day number of a date key; nothing for a key that holds none.
std::optional<long long> dateValue(std::string_view key);

// How a key must hold its record's value: in any form that reads back as
// that value (blank or zero padding, numeric keys of earlier builds), or in
// exactly the bytes dBASE writes for it, which engines that compare keys by
// their bytes need.
enum class KeyForm { SameValue, AsDbaseWritesIt };

// Throws DbaseError naming fileName unless the index is whole and has the
// tags JMENO and TAHY, each with every record of the table once, under the
// record's own key, in ascending order. Another engine's tags on one field
// must fit the table by value in their own order; those this program cannot
// compute need only be whole. Block size, node fill, free blocks, unused
// bytes and the order among equal keys may be any other engine's.
void requireMatching(const DbfTable& table, std::string_view bytes, const std::string& fileName, KeyForm form);

} // namespace mdx

} // namespace pelikor
