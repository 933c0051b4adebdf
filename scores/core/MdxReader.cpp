#include "scores/core/MdxReader.h"

#include "scores/core/ByteText.h"
#include "scores/core/DbaseError.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxTags.h"

#include "files/core/AsciiCase.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <set>

namespace pelikor {

namespace {

using namespace bytetext;
using namespace mdx;

// No index the program writes comes near it; deeper means a damaged file.
constexpr std::size_t maxTreeDepth = 32;

[[noreturn]] void fail(const std::string& fileName, const std::string& what)
{
    throw DbaseError(TableFault::IndexDamaged, {fileName}, what);
}

[[noreturn]] void mismatch(const std::string& fileName, const std::string& what)
{
    throw DbaseError(TableFault::IndexMismatch, {fileName}, what);
}

// Blanks and zeros both pad a character key, as other engines write them.
std::string paddedKey(std::string_view key)
{
    std::string padded(key);
    std::ranges::replace(padded, '\0', ' ');
    return padded;
}

// More whole digits than a long long holds.
constexpr int maxWholeDigits = 18;

class TreeReader {
public:
    TreeReader(std::string_view file, const std::string& fileName, std::size_t block, std::size_t item,
               std::size_t maxKeys, std::size_t keyLength)
        : file_(file), fileName_(fileName), block_(block), item_(item), maxKeys_(maxKeys), keyLength_(keyLength) {}

    void walk(std::uint32_t page, std::size_t depth, std::vector<std::pair<std::string, std::uint32_t>>& out)
    {
        if (depth > maxTreeDepth)
            fail(fileName_, "the tree is too deep");
        // Pointers count 512-byte pages whatever the block size; a node fills one block.
        if (page < headerPages || std::size_t(page) * mdx::pageSize + block_ > file_.size())
            fail(fileName_, "a node points outside the file (page " + std::to_string(page) + ")");
        if (!visited_.insert(page).second)
            fail(fileName_, "page " + std::to_string(page) + " is reached twice");
        const std::size_t base = std::size_t(page) * mdx::pageSize;
        const std::uint32_t count = readU32(file_, base);
        if (count > maxKeys_)
            fail(fileName_, "page " + std::to_string(page) + " claims " + std::to_string(count) + " keys");
        const std::uint32_t after = readU32(file_, base + nodeHeaderSize + count * item_);
        const bool branch = after != 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = base + nodeHeaderSize + i * item_;
            const std::uint32_t pointer = readU32(file_, at);
            if (branch)
                walk(pointer, depth + 1, out);
            else
                out.emplace_back(std::string(file_.substr(at + 4, keyLength_)), pointer);
        }
        if (branch)
            walk(after, depth + 1, out);
    }

private:
    std::string_view file_;
    const std::string& fileName_;
    std::size_t block_;
    std::size_t item_;
    std::size_t maxKeys_;
    std::size_t keyLength_;
    std::set<std::uint32_t> visited_;
};

// A tag as it lies in the file: its definition and the layout of its tree.
struct StoredTag {
    TagDefinition definition;
    std::uint32_t headerPage = 0;
    std::size_t maxKeys = 0;
    std::size_t item = 0;
};

struct TagTable {
    std::size_t block = 0;
    std::vector<StoredTag> tags;
};

// The file header's checks; returns the size of a block.
std::size_t checkedBlock(std::string_view bytes, const std::string& fileName)
{
    if (bytes.size() < headerPages * pageSize || bytes.size() % pageSize != 0)
        fail(fileName, "its length " + std::to_string(bytes.size()) + " is not a whole number of pages");
    if (std::uint8_t(bytes[0]) != versionByte)
        fail(fileName, "unknown version byte");
    // dBASE IV takes blocks of any whole number of pages; the header gives
    // both the count of pages and the bytes.
    const std::size_t blockPages = readU16(bytes, 20);
    const std::size_t block = readU16(bytes, 22);
    if (blockPages == 0 || block != blockPages * pageSize)
        fail(fileName, "its block size is not a whole number of 512-byte pages");
    if (std::uint8_t(bytes[26]) != tagEntrySize)
        fail(fileName, "unknown tag table layout");
    if (readU32(bytes, 32) != bytes.size() / pageSize)
        fail(fileName, "the header's page count disagrees with the file's length");
    return block;
}

std::string textUpToZero(std::string_view bytes)
{
    return std::string(bytes.substr(0, bytes.find('\0')));
}

StoredTag readTagHeader(std::string_view bytes, std::size_t t, std::size_t block, const std::string& fileName)
{
    const std::size_t e = tagTableOffset + t * tagEntrySize;
    StoredTag stored;
    stored.headerPage = readU32(bytes, e);
    if (stored.headerPage < headerPages || stored.headerPage >= bytes.size() / pageSize)
        fail(fileName, "a tag header lies outside the file");
    TagDefinition& tag = stored.definition;
    tag.name = textUpToZero(bytes.substr(e + 4, 11));
    tag.entryFormat = std::uint8_t(bytes[e + 15]);
    const std::size_t h = std::size_t(stored.headerPage) * pageSize;
    tag.headerFormat = std::uint8_t(bytes[h + tagFormatOffset]);
    tag.keyType = bytes[h + 9];
    tag.keyLength = readU16(bytes, h + 12);
    stored.maxKeys = readU16(bytes, h + 14);
    tag.secondaryKeyType = readU16(bytes, h + 16);
    stored.item = readU16(bytes, h + 18);
    tag.uniqueFlag = std::uint8_t(bytes[h + tagUniqueOffset]);
    tag.expression = textUpToZero(bytes.substr(h + tagExpressionOffset, tagExpressionSize));
    tag.condition = bytes[h + tagConditionOffset] != 0;
    if (tag.keyLength == 0 || stored.item < tag.keyLength + 4 || stored.maxKeys == 0
        || nodeHeaderSize + stored.maxKeys * stored.item + 4 > block)
        fail(fileName, "tag " + tag.name + " has an impossible key layout");
    return stored;
}

TagTable readTagTable(std::string_view bytes, const std::string& fileName)
{
    TagTable table;
    table.block = checkedBlock(bytes, fileName);
    const std::size_t tagCount = readU16(bytes, 28);
    if (tagCount > tagEntries || tagCount > std::uint8_t(bytes[25]))
        fail(fileName, "too many tags");
    for (std::size_t t = 0; t < tagCount; ++t)
        table.tags.push_back(readTagHeader(bytes, t, table.block, fileName));
    return table;
}

std::optional<KeyRank> rankOfKey(char keyType, std::string_view key)
{
    std::optional<long long> number;
    switch (keyType) {
    case 'N': number = numericValue(key); break;
    case 'D': number = dateValue(key); break;
    default: return KeyRank{0, paddedKey(key)};
    }
    return number ? std::optional(KeyRank{*number, {}}) : std::nullopt;
}

// How a tag must hold the table. Ours are ascending and hold every record,
// whatever flags another engine's bytes show where ours are 0.
struct Rule {
    bool exact = false;
    bool descending = false;
    bool unique = false;
};

std::size_t distinctCount(std::vector<KeyRank> ranks)
{
    std::ranges::sort(ranks);
    return std::size_t(std::ranges::distance(ranks.begin(), std::ranges::unique(ranks).begin()));
}

// Throws unless the tag holds every record once, or a unique tag one
// record of each key, under the record's key, in the tag's order.
void requireFits(const DbfTable& table, const TagContents& tag, dbf::Field field, Rule rule,
                 const std::string& fileName)
{
    std::vector<KeyRank> ranks;
    for (const BestRecord& record : table.records)
        ranks.push_back(rankOf(record, field, tag.keyLength));
    if (tag.entries.size() != (rule.unique ? distinctCount(ranks) : ranks.size()))
        mismatch(fileName, "tag " + tag.name + " does not hold every record once");
    std::vector<bool> seen(ranks.size());
    std::optional<KeyRank> previous;
    for (const auto& [key, number] : tag.entries) {
        if (number == 0 || number > ranks.size() || seen[number - 1])
            mismatch(fileName, "tag " + tag.name + " does not hold every record once");
        seen[number - 1] = true;
        const std::optional<KeyRank> rank = rankOfKey(tag.keyType, key);
        const bool fits = rank == ranks[number - 1]
            && (!rule.exact || key == recordKey(table.records[number - 1], field, tag.keyLength));
        if (!fits || (previous && (rule.descending ? *previous < *rank : *rank < *previous))
            || (rule.unique && rank == previous))
            mismatch(fileName, "tag " + tag.name + " does not fit record " + std::to_string(number));
        previous = rank;
    }
}

} // namespace

namespace mdx {

std::vector<TagContents> readTags(std::string_view bytes, const std::string& fileName)
{
    const TagTable table = readTagTable(bytes, fileName);
    std::vector<TagContents> tags;
    for (const StoredTag& stored : table.tags) {
        TagContents tag;
        static_cast<TagDefinition&>(tag) = stored.definition;
        TreeReader reader(bytes, fileName, table.block, stored.item, stored.maxKeys, tag.keyLength);
        reader.walk(readU32(bytes, std::size_t(stored.headerPage) * pageSize), 0, tag.entries);
        tags.push_back(std::move(tag));
    }
    return tags;
}

std::vector<TagDefinition> readDefinitions(std::string_view bytes, const std::string& fileName)
{
    std::vector<TagDefinition> definitions;
    for (StoredTag& stored : readTagTable(bytes, fileName).tags)
        definitions.push_back(std::move(stored.definition));
    return definitions;
}

std::optional<long long> numericValue(std::string_view key)
{
    if (key.size() != numericKeyLength)
        return std::nullopt;
    const int whole = int(std::uint8_t(key[0])) - int(numericExponentBias);
    const std::size_t digits = (std::uint8_t(key[1]) & numericDigitCountMask) >> 2;
    if (whole < 0 || whole > maxWholeDigits || digits > std::size_t(whole) || digits > 2 * (numericKeyLength - 2))
        return std::nullopt;
    long long value = 0;
    for (std::size_t i = 0; i < std::size_t(whole); ++i) {
        const auto pair = std::uint8_t(key[2 + i / 2]);
        const int digit = i >= digits ? 0 : i % 2 == 0 ? pair >> 4 : pair & 0x0F;
        if (digit > 9)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return std::uint8_t(key[1]) & numericSignBit ? -value : value;
}

std::optional<long long> dateValue(std::string_view key)
{
    static const long long latestDay = julianDay({9999, 12, 31});
    if (key.size() != dateKeyLength)
        return std::nullopt;
    const double day = std::bit_cast<double>(readU32(key, 0) | std::uint64_t(readU32(key, 4)) << 32);
    if (!(day >= 0 && day <= double(latestDay)) || day != std::floor(day))
        return std::nullopt;
    return static_cast<long long>(day);
}

void requireMatching(const DbfTable& table, std::string_view bytes, const std::string& fileName, KeyForm form)
{
    const std::vector<TagContents> present = readTags(bytes, fileName);
    for (const Tag own : mdx::tags) {
        const bool found = std::ranges::any_of(present, [&](const TagContents& tag) {
            return pelikor::equalIgnoringCase(tag.name, tagName(own)) && tag.keyType == tagKeyType(own);
        });
        if (!found)
            mismatch(fileName, "it has no tag " + std::string(tagName(own)));
    }
    for (const TagContents& tag : present) {
        const std::optional<dbf::Field> field = keyedField(tag, table.layout);
        if (!field)
            continue;
        const Rule rule = isOwnTag(tag) ? Rule{form == KeyForm::AsDbaseWritesIt, false, false}
                                        : Rule{false, tag.descending(), tag.unique()};
        requireFits(table, tag, *field, rule, fileName);
    }
}

} // namespace mdx

} // namespace pelikor
