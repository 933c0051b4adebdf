#include "scores/core/MdxFormat.h"

#include "scores/core/ByteText.h"
#include "scores/core/DbaseError.h"
#include "scores/core/MdxTags.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace pelikor {

namespace {

using namespace bytetext;

using mdx::nodeHeaderSize;
using mdx::pageSize;

// The tag table ends where the first tag header page begins.
constexpr std::size_t maxTags = (mdx::headerPages * pageSize - mdx::tagTableOffset) / mdx::tagEntrySize;
constexpr std::uint8_t tagEntryReserved = 0x02;
constexpr std::size_t tagNameSize = 10;

std::size_t itemLength(std::size_t keyLength)
{
    return (keyLength + 4 + 3) / 4 * 4;
}

// A branch needs room for one pointer more than it has keys.
std::size_t maxKeysPerPage(std::size_t itemLength)
{
    return (pageSize - nodeHeaderSize - 4) / itemLength;
}

// Writes the pages of one tag's tree and returns its root page.
class TreeWriter {
public:
    TreeWriter(std::string& file, std::size_t keyLength)
        : file_(file), item_(itemLength(keyLength)), maxKeys_(maxKeysPerPage(item_)) {}

    std::uint32_t write(const std::vector<mdx::TagEntry>& entries)
    {
        struct Child {
            std::uint32_t page;
            std::string lastKey;
        };
        std::vector<Child> level;
        for (std::size_t start = 0; start < entries.size() || level.empty(); start += maxKeys_) {
            const std::size_t end = std::min(entries.size(), start + maxKeys_);
            const std::uint32_t page = newPage();
            const std::size_t base = page * mdx::pageSize;
            putU32(file_, base, std::uint32_t(end - start));
            for (std::size_t i = start; i < end; ++i) {
                const std::size_t at = base + nodeHeaderSize + (i - start) * item_;
                putU32(file_, at, entries[i].second);
                std::memcpy(file_.data() + at + 4, entries[i].first.data(), entries[i].first.size());
            }
            level.push_back({page, end > start ? entries[end - 1].first : std::string()});
            if (end == entries.size())
                break;
        }
        while (level.size() > 1) {
            std::vector<Child> upper;
            for (std::size_t start = 0; start < level.size(); start += maxKeys_ + 1) {
                const std::size_t end = std::min(level.size(), start + maxKeys_ + 1);
                const std::uint32_t page = newPage();
                const std::size_t base = page * mdx::pageSize;
                putU32(file_, base, std::uint32_t(end - start - 1));
                for (std::size_t i = start; i < end; ++i) {
                    const std::size_t at = base + nodeHeaderSize + (i - start) * item_;
                    putU32(file_, at, level[i].page);
                    if (i + 1 < end)
                        std::memcpy(file_.data() + at + 4, level[i].lastKey.data(), level[i].lastKey.size());
                }
                upper.push_back({page, level[end - 1].lastKey});
            }
            level = std::move(upper);
        }
        return level.front().page;
    }

    std::uint32_t newPage()
    {
        const auto page = std::uint32_t(file_.size() / mdx::pageSize);
        file_.append(mdx::pageSize, '\0');
        return page;
    }

    std::size_t item() const { return item_; }
    std::size_t maxKeys() const { return maxKeys_; }

private:
    std::string& file_;
    std::size_t item_;
    std::size_t maxKeys_;
};

// The four header pages: the file header and room for the tag table.
std::string headerOf(const DbfTable& table, std::string_view tableName, std::size_t tagCount)
{
    std::string file(mdx::headerPages * pageSize, '\0');
    const DbaseDate update = table.lastUpdate.isNull() ? DbaseDate{1900, 1, 1} : table.lastUpdate;
    const auto putDate = [&](std::size_t at) {
        file[at] = char(std::clamp(update.year - 1900, 0, 255));
        file[at + 1] = char(update.month);
        file[at + 2] = char(update.day);
    };
    file[0] = char(mdx::versionByte);
    putDate(1);
    std::memcpy(file.data() + 4, tableName.data(), std::min<std::size_t>(tableName.size(), 16));
    putU16(file, 20, 1);
    putU16(file, 22, std::uint16_t(pageSize));
    file[24] = 1;
    file[25] = char(mdx::tagEntries);
    file[26] = char(mdx::tagEntrySize);
    putU16(file, 28, std::uint16_t(tagCount));
    putDate(44);
    return file;
}

// A tag's place in the tag table's binary tree by name: 1-based entries
// of the tags less and greater than it, and of the tag above it.
struct Threads {
    std::uint8_t less = 0;
    std::uint8_t greater = 0;
    std::uint8_t parent = 0;
};

// Each tag is inserted in the order of the table.
std::vector<Threads> threadsByName(const std::vector<mdx::TagDefinition>& tags)
{
    std::vector<Threads> threads(tags.size());
    for (std::size_t t = 1; t < tags.size(); ++t) {
        std::size_t at = 0;
        for (;;) {
            std::uint8_t& child = tags[t].name < tags[at].name ? threads[at].less : threads[at].greater;
            if (child == 0) {
                child = std::uint8_t(t + 1);
                threads[t].parent = std::uint8_t(at + 1);
                break;
            }
            at = child - 1u;
        }
    }
    return threads;
}

// The tag's header page, its tree and its entry in the tag table.
void writeTag(std::string& file, const DbfTable& table, const mdx::TagDefinition& tag, std::size_t t,
              const Threads& threads)
{
    const std::optional<dbf::Field> field = mdx::keyedField(tag, table.layout);
    if (!field)
        throw DbaseError(TableFault::TagNotComputable, {tag.name});
    TreeWriter writer(file, tag.keyLength);
    const std::uint32_t headerPage = writer.newPage();
    const std::uint32_t root = writer.write(mdx::treeEntries(table, tag, *field));

    const std::size_t h = std::size_t(headerPage) * pageSize;
    putU32(file, h, root);
    putU32(file, h + 4, std::uint32_t(file.size() / pageSize - headerPage));
    file[h + mdx::tagFormatOffset] = char(tag.headerFormat);
    file[h + 9] = tag.keyType;
    putU16(file, h + 12, std::uint16_t(tag.keyLength));
    putU16(file, h + 14, std::uint16_t(writer.maxKeys()));
    putU16(file, h + 16, tag.secondaryKeyType);
    putU16(file, h + 18, std::uint16_t(writer.item()));
    file[h + mdx::tagUniqueOffset] = char(tag.uniqueFlag);
    const std::string_view expression = std::string_view(tag.expression).substr(0, mdx::tagExpressionSize - 1);
    std::ranges::copy(expression, file.begin() + long(h + mdx::tagExpressionOffset));

    const std::size_t e = mdx::tagTableOffset + t * mdx::tagEntrySize;
    putU32(file, e, headerPage);
    std::ranges::copy(std::string_view(tag.name).substr(0, tagNameSize), file.begin() + long(e + 4));
    file[e + 15] = char(tag.entryFormat);
    file[e + 16] = char(threads.less);
    file[e + 17] = char(threads.greater);
    file[e + 18] = char(threads.parent);
    file[e + 19] = char(tagEntryReserved);
    file[e + 20] = tag.keyType;
}

} // namespace

namespace mdx {

std::string characterKey(std::string_view text, int width)
{
    std::string key(text.substr(0, std::size_t(width)));
    key.resize(std::size_t(width), ' ');
    return key;
}

std::string numericKey(long long value)
{
    std::string key(numericKeyLength, '\0');
    const bool negative = value < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
    // Zero has no digits at all: 34 01.
    const std::string digits = magnitude == 0 ? std::string() : std::to_string(magnitude);
    key[0] = char(numericExponentBias + digits.size());
    key[1] = char((digits.size() << 2) | (negative ? numericSignBit : 0x00) | numericFillerBits);
    for (std::size_t i = 0; i < digits.size() && i < 20; ++i) {
        const int d = digits[i] - '0';
        key[2 + i / 2] = char(std::uint8_t(key[2 + i / 2]) | (i % 2 == 0 ? d << 4 : d));
    }
    return key;
}

long long julianDay(const DbaseDate& date)
{
    if (date.isNull())
        return 0;
    const long long a = (14 - date.month) / 12;
    const long long y = date.year + 4800 - a;
    const long long m = date.month + 12 * a - 3;
    return date.day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

std::string dateKey(const DbaseDate& date)
{
    const auto bits = std::bit_cast<std::uint64_t>(double(julianDay(date)));
    std::string key(dateKeyLength, '\0');
    putU32(key, 0, std::uint32_t(bits));
    putU32(key, 4, std::uint32_t(bits >> 32));
    return key;
}

std::vector<std::uint32_t> order(const DbfTable& table, Tag tag)
{
    return treeOrder(table, ownTags(table.layout)[std::size_t(tag)], fieldOf(tag));
}

std::string build(const DbfTable& table, std::string_view tableName, const std::vector<TagDefinition>& tags)
{
    if (tags.size() > maxTags)
        throw DbaseError(TableFault::TooManyTags, {std::to_string(maxTags)});
    std::string file = headerOf(table, tableName, tags.size());
    const std::vector<Threads> threads = threadsByName(tags);
    for (std::size_t t = 0; t < tags.size(); ++t)
        writeTag(file, table, tags[t], t, threads[t]);
    putU32(file, 32, std::uint32_t(file.size() / pageSize));
    return file;
}

std::string build(const DbfTable& table, std::string_view tableName)
{
    return build(table, tableName, ownTags(table.layout));
}

} // namespace mdx

} // namespace pelikor
