#pragma once

#include "scores/core/MdxFormat.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelikor {

// Which tags an index holds and what their trees hold for a table: ours,
// and those another engine added, when they key a field of the table.
namespace mdx {

// One key of a tag's tree and the 1-based record it leads to.
using TagEntry = std::pair<std::string, std::uint32_t>;

// Our two tags for a table of this layout, JMENO then TAHY.
std::vector<TagDefinition> ownTags(const DbfLayout& layout);
// Whether the tag stands where one of ours does: its name and key type.
bool isOwnTag(const TagDefinition& tag);

// The field a tag keys, when it is one of ours or its key is one field of
// the table alone, of the type and length dBASE IV gives that field,
// without a FOR clause: what this program can compute. Nothing otherwise.
std::optional<dbf::Field> keyedField(const TagDefinition& tag, const DbfLayout& layout);

// A record's key under a tag on field with keys of keyLength bytes.
std::string recordKey(const BestRecord& record, dbf::Field field, std::size_t keyLength);

// What orders keys: the number of a numeric or date key, the blank-padded
// bytes of a character key.
struct KeyRank {
    long long number = 0;
    std::string text;
    auto operator<=>(const KeyRank&) const = default;
};
KeyRank rankOf(const BestRecord& record, dbf::Field field, std::size_t keyLength);

// The records (0-based) of the tag's tree as dBASE builds it from the
// table: every record in the tag's order, equal keys in file order; a
// unique tag holds only the first record of each key.
std::vector<std::uint32_t> treeOrder(const DbfTable& table, const TagDefinition& tag, dbf::Field field);
// The same with each record's key.
std::vector<TagEntry> treeEntries(const DbfTable& table, const TagDefinition& tag, dbf::Field field);

// The tags an index rebuilt from the table holds: ours, then every other tag
// the index in bytes defines, in its order. Throws DbaseError naming
// fileName and the tag when one keys what this program cannot compute; an
// index whose tag table cannot be read adds none.
std::vector<TagDefinition> tagsToRebuild(const DbfLayout& layout, std::string_view bytes,
                                         const std::string& fileName);

} // namespace mdx

} // namespace pelikor
