#include "scores/core/MdxFormat.h"

#include "scores/core/ByteText.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace pelikor {

namespace {

using namespace bytetext;

using mdx::nodeHeaderSize;

constexpr std::uint8_t fieldTagFormat = 0x10;

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

} // namespace

namespace mdx {

std::string_view tagName(Tag tag)
{
    return tagDefinitions[std::size_t(tag)].name;
}

char tagKeyType(Tag tag)
{
    return tagDefinitions[std::size_t(tag)].keyType;
}

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

} // namespace mdx

} // namespace pelikor
