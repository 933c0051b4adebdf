#include "scores/core/MdxTags.h"

#include "scores/core/ByteText.h"
#include "scores/core/DbaseError.h"
#include "scores/core/MdxReader.h"

#include "files/core/AsciiCase.h"

#include <algorithm>
#include <numeric>

namespace pelikor {

namespace mdx {

namespace {

std::size_t keyLengthOf(dbf::Field field, const DbfLayout& layout)
{
    switch (field) {
    case dbf::Field::Jmeno: return std::size_t(layout.jmenoWidth);
    case dbf::Field::Hra: return std::size_t(layout.hraWidth);
    case dbf::Field::Tahy: return numericKeyLength;
    case dbf::Field::Datum: return dateKeyLength;
    }
    return 0;
}

std::optional<Tag> ownTagOf(const TagDefinition& tag)
{
    for (const Tag own : tags)
        if (pelikor::equalIgnoringCase(tag.name, tagName(own)) && tag.keyType == tagKeyType(own))
            return own;
    return std::nullopt;
}

constexpr dbf::Field allFields[] = {dbf::Field::Jmeno, dbf::Field::Tahy, dbf::Field::Hra, dbf::Field::Datum};

} // namespace

std::vector<TagDefinition> ownTags(const DbfLayout& layout)
{
    std::vector<TagDefinition> own;
    for (const Tag tag : tags) {
        TagDefinition definition;
        definition.name = definition.expression = std::string(tagName(tag));
        definition.keyType = tagKeyType(tag);
        definition.keyLength = keyLengthOf(fieldOf(tag), layout);
        own.push_back(std::move(definition));
    }
    return own;
}

bool isOwnTag(const TagDefinition& tag)
{
    return ownTagOf(tag).has_value();
}

std::optional<dbf::Field> keyedField(const TagDefinition& tag, const DbfLayout& layout)
{
    if (const std::optional<Tag> own = ownTagOf(tag))
        return fieldOf(*own);
    if (tag.condition)
        return std::nullopt;
    const std::string_view expression = bytetext::trim(tag.expression);
    for (const dbf::Field field : allFields) {
        const dbf::FieldDefinition& definition = dbf::definition(field);
        if (pelikor::equalIgnoringCase(expression, definition.name) && tag.keyType == definition.type
            && tag.keyLength == keyLengthOf(field, layout))
            return field;
    }
    return std::nullopt;
}

std::string recordKey(const BestRecord& record, dbf::Field field, std::size_t keyLength)
{
    switch (field) {
    case dbf::Field::Jmeno: return characterKey(record.jmeno, int(keyLength));
    case dbf::Field::Hra: return characterKey(record.hra, int(keyLength));
    case dbf::Field::Tahy: return numericKey(record.tahy);
    case dbf::Field::Datum: return dateKey(record.datum);
    }
    return {};
}

KeyRank rankOf(const BestRecord& record, dbf::Field field, std::size_t keyLength)
{
    switch (field) {
    case dbf::Field::Tahy: return {record.tahy, {}};
    case dbf::Field::Datum: return {julianDay(record.datum), {}};
    default: return {0, recordKey(record, field, keyLength)};
    }
}

std::vector<std::uint32_t> treeOrder(const DbfTable& table, const TagDefinition& tag, dbf::Field field)
{
    std::vector<KeyRank> ranks;
    ranks.reserve(table.records.size());
    for (const BestRecord& record : table.records)
        ranks.push_back(rankOf(record, field, tag.keyLength));
    std::vector<std::uint32_t> positions(table.records.size());
    std::iota(positions.begin(), positions.end(), 0u);
    std::ranges::stable_sort(positions, [&](std::uint32_t a, std::uint32_t b) {
        return tag.descending() ? ranks[b] < ranks[a] : ranks[a] < ranks[b];
    });
    if (tag.unique()) {
        const auto repeated = std::ranges::unique(positions, {}, [&](std::uint32_t p) -> const KeyRank& { return ranks[p]; });
        positions.erase(repeated.begin(), repeated.end());
    }
    return positions;
}

std::vector<TagEntry> treeEntries(const DbfTable& table, const TagDefinition& tag, dbf::Field field)
{
    std::vector<TagEntry> entries;
    for (const std::uint32_t position : treeOrder(table, tag, field))
        entries.emplace_back(recordKey(table.records[position], field, tag.keyLength), position + 1);
    return entries;
}

std::vector<TagDefinition> tagsToRebuild(const DbfLayout& layout, std::string_view bytes, const std::string& fileName)
{
    std::vector<TagDefinition> rebuilt = ownTags(layout);
    std::vector<TagDefinition> present;
    try {
        present = readDefinitions(bytes, fileName);
    } catch (const DbaseError&) {
        return rebuilt;
    }
    for (TagDefinition& tag : present) {
        if (isOwnTag(tag))
            continue;
        if (!keyedField(tag, layout))
            throw DbaseError(TableFault::ForeignTagNotRebuildable,
                             {fileName, tag.name, tag.expression + (tag.condition ? " FOR ..." : "")});
        rebuilt.push_back(std::move(tag));
    }
    return rebuilt;
}

} // namespace mdx

} // namespace pelikor
