#include "MdxFormat.h"

#include "ByteText.h"
#include "DbaseError.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <set>

namespace {

using namespace bytetext;

constexpr std::size_t headerPages = 4;
constexpr std::size_t tagTableOffset = 544;
constexpr std::size_t tagEntrySize = 32;
constexpr std::size_t tagEntries = 48;
constexpr std::size_t nodeHeaderSize = 8;
constexpr std::uint8_t versionByte = 0x02;
constexpr std::uint8_t fieldTagFormat = 0x10;
constexpr std::size_t maxTreeDepth = 32;
// The exponent byte of a numeric key: the count of whole digits above this bias.
constexpr std::uint8_t exponentBias = 0x34;

struct TagDefinition {
    const char* name;
    char keyType;
    mdx::Tag tag;
};
constexpr TagDefinition tagDefinitions[] = {{"JMENO", 'C', mdx::Tag::Jmeno}, {"TAHY", 'N', mdx::Tag::Tahy}};

std::size_t keyLength(const DbfLayout& layout, mdx::Tag tag)
{
    return tag == mdx::Tag::Jmeno ? std::size_t(layout.jmenoWidth) : mdx::numericKeyLength;
}

std::size_t itemLength(std::size_t keyLength)
{
    return (keyLength + 4 + 3) / 4 * 4;
}

// A branch needs room for one pointer more than it has keys.
std::size_t maxKeysPerPage(std::size_t itemLength)
{
    return (mdx::pageSize - nodeHeaderSize - 4) / itemLength;
}

std::string keyOf(const BestRecord& record, const DbfLayout& layout, mdx::Tag tag)
{
    return tag == mdx::Tag::Jmeno ? mdx::characterKey(record.jmeno, layout.jmenoWidth) : mdx::numericKey(record.tahy);
}

// Writes the pages of one tag's tree and returns its root page.
class TreeWriter {
public:
    TreeWriter(std::string& file, std::size_t keyLength)
        : file_(file), item_(itemLength(keyLength)), maxKeys_(maxKeysPerPage(item_)) {}

    std::uint32_t write(const std::vector<std::pair<std::string, std::uint32_t>>& entries)
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

[[noreturn]] void fail(const std::string& fileName, const std::string& what)
{
    throw DbaseError("The index \"" + fileName + "\" is damaged: " + what);
}

class TreeReader {
public:
    TreeReader(std::string_view file, const std::string& fileName, std::size_t item, std::size_t maxKeys,
               std::size_t keyLength)
        : file_(file), fileName_(fileName), item_(item), maxKeys_(maxKeys), keyLength_(keyLength) {}

    void walk(std::uint32_t page, std::size_t depth, std::vector<std::pair<std::string, std::uint32_t>>& out)
    {
        if (depth > maxTreeDepth)
            fail(fileName_, "the tree is too deep");
        if (page < headerPages || std::size_t(page) >= file_.size() / mdx::pageSize)
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
    std::size_t item_;
    std::size_t maxKeys_;
    std::size_t keyLength_;
    std::set<std::uint32_t> visited_;
};

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
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
    std::string digits = magnitude == 0 ? std::string() : std::to_string(magnitude);
    const std::size_t whole = digits.size();
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    key[0] = char(exponentBias + whole);
    key[1] = char((digits.size() << 2) | (negative ? 0x80 : 0x00));
    for (std::size_t i = 0; i < digits.size() && i < 20; ++i) {
        const int d = digits[i] - '0';
        key[2 + i / 2] = char(std::uint8_t(key[2 + i / 2]) | (i % 2 == 0 ? d << 4 : d));
    }
    return key;
}

std::vector<std::uint32_t> order(const DbfTable& table, Tag tag)
{
    std::vector<std::uint32_t> positions(table.records.size());
    std::iota(positions.begin(), positions.end(), 0u);
    if (tag == Tag::Tahy) {
        std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
            return table.records[a].tahy < table.records[b].tahy;
        });
    } else {
        std::vector<std::string> keys;
        keys.reserve(table.records.size());
        for (const BestRecord& record : table.records)
            keys.push_back(characterKey(record.jmeno, table.layout.jmenoWidth));
        std::stable_sort(positions.begin(), positions.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    }
    return positions;
}

std::string build(const DbfTable& table, std::string_view tableName)
{
    std::string file(headerPages * pageSize, '\0');
    const DbaseDate update = table.lastUpdate.isNull() ? DbaseDate{1900, 1, 1} : table.lastUpdate;
    const auto putDate = [&](std::size_t at) {
        file[at] = char(std::clamp(update.year - 1900, 0, 255));
        file[at + 1] = char(update.month);
        file[at + 2] = char(update.day);
    };
    file[0] = char(versionByte);
    putDate(1);
    std::memcpy(file.data() + 4, tableName.data(), std::min<std::size_t>(tableName.size(), 16));
    putU16(file, 20, 1);
    putU16(file, 22, std::uint16_t(pageSize));
    file[24] = 1;
    file[25] = char(tagEntries);
    file[26] = char(tagEntrySize);
    putU16(file, 28, std::uint16_t(std::size(tagDefinitions)));
    putDate(44);

    for (std::size_t t = 0; t < std::size(tagDefinitions); ++t) {
        const TagDefinition& tag = tagDefinitions[t];
        const std::size_t length = keyLength(table.layout, tag.tag);
        TreeWriter writer(file, length);
        const std::uint32_t headerPage = writer.newPage();

        std::vector<std::pair<std::string, std::uint32_t>> entries;
        entries.reserve(table.records.size());
        for (const std::uint32_t position : order(table, tag.tag))
            entries.emplace_back(keyOf(table.records[position], table.layout, tag.tag), position + 1);
        const std::uint32_t root = writer.write(entries);

        const std::size_t h = std::size_t(headerPage) * pageSize;
        putU32(file, h, root);
        putU32(file, h + 4, std::uint32_t(file.size() / pageSize - headerPage));
        file[h + 8] = char(fieldTagFormat);
        file[h + 9] = tag.keyType;
        putU16(file, h + 12, std::uint16_t(length));
        putU16(file, h + 14, std::uint16_t(writer.maxKeys()));
        putU16(file, h + 18, std::uint16_t(writer.item()));
        std::memcpy(file.data() + h + 24, tag.name, std::strlen(tag.name));

        // The tag table is a binary tree by name; JMENO < TAHY, so TAHY hangs right of JMENO.
        const std::size_t e = tagTableOffset + t * tagEntrySize;
        putU32(file, e, headerPage);
        std::memcpy(file.data() + e + 4, tag.name, std::strlen(tag.name));
        file[e + 15] = char(fieldTagFormat);
        file[e + 16] = 0;
        file[e + 17] = t + 1 < std::size(tagDefinitions) ? char(t + 2) : 0;
        file[e + 18] = t > 0 ? char(t) : 0;
        file[e + 19] = 0x02;
        file[e + 20] = tag.keyType;
    }
    putU32(file, 32, std::uint32_t(file.size() / pageSize));
    return file;
}

std::vector<TagContents> read(std::string_view bytes, const std::string& fileName)
{
    if (bytes.size() < headerPages * pageSize || bytes.size() % pageSize != 0)
        fail(fileName, "its length " + std::to_string(bytes.size()) + " is not a whole number of pages");
    if (std::uint8_t(bytes[0]) != versionByte)
        fail(fileName, "unknown version byte");
    if (readU16(bytes, 20) != 1 || readU16(bytes, 22) != pageSize)
        fail(fileName, "the page size is not 512 bytes");
    if (std::uint8_t(bytes[26]) != tagEntrySize)
        fail(fileName, "unknown tag table layout");
    const std::size_t tagCount = readU16(bytes, 28);
    if (tagCount > tagEntries || tagCount > std::uint8_t(bytes[25]))
        fail(fileName, "too many tags");
    if (readU32(bytes, 32) != bytes.size() / pageSize)
        fail(fileName, "the header's page count disagrees with the file's length");

    std::vector<TagContents> tags;
    for (std::size_t t = 0; t < tagCount; ++t) {
        const std::size_t e = tagTableOffset + t * tagEntrySize;
        const std::uint32_t headerPage = readU32(bytes, e);
        if (headerPage < headerPages || headerPage >= bytes.size() / pageSize)
            fail(fileName, "a tag header lies outside the file");
        TagContents tag;
        const auto name = bytes.substr(e + 4, 11);
        tag.name = std::string(name.substr(0, name.find('\0')));
        const std::size_t h = std::size_t(headerPage) * pageSize;
        tag.keyType = bytes[h + 9];
        const std::size_t length = readU16(bytes, h + 12);
        const std::size_t maxKeys = readU16(bytes, h + 14);
        const std::size_t item = readU16(bytes, h + 18);
        if (length == 0 || item < length + 4 || maxKeys == 0 || nodeHeaderSize + maxKeys * item + 4 > pageSize)
            fail(fileName, "tag " + tag.name + " has an impossible key layout");
        TreeReader reader(bytes, fileName, item, maxKeys, length);
        reader.walk(readU32(bytes, h), 0, tag.entries);
        tags.push_back(std::move(tag));
    }
    return tags;
}

} // namespace mdx
