#include "scores/core/MdxReader.h"

#include "scores/core/ByteText.h"
#include "scores/core/DbaseError.h"
#include "scores/core/MdxFormat.h"

#include "files/core/AsciiCase.h"

#include <algorithm>
#include <set>

namespace pelikor {

namespace {

using namespace bytetext;
using namespace mdx;

// No index the program writes comes near it; deeper means a damaged file.
constexpr std::size_t maxTreeDepth = 32;

[[noreturn]] void fail(const std::string& fileName, const std::string& what)
{
    throw DbaseError("The index \"" + fileName + "\" is damaged: " + what);
}

[[noreturn]] void mismatch(const std::string& fileName, const std::string& what)
{
    throw DbaseError("The index \"" + fileName + "\" does not match its table: " + what);
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

} // namespace

namespace mdx {

std::vector<TagContents> readTags(std::string_view bytes, const std::string& fileName)
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
        if (length == 0 || item < length + 4 || maxKeys == 0 || nodeHeaderSize + maxKeys * item + 4 > block)
            fail(fileName, "tag " + tag.name + " has an impossible key layout");
        TreeReader reader(bytes, fileName, block, item, maxKeys, length);
        reader.walk(readU32(bytes, h), 0, tag.entries);
        tags.push_back(std::move(tag));
    }
    return tags;
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

void requireMatching(const DbfTable& table, std::string_view bytes, const std::string& fileName, KeyForm form)
{
    const bool exact = form == KeyForm::AsDbaseWritesIt;
    const std::vector<TagContents> present = readTags(bytes, fileName);
    for (const Tag tag : mdx::tags) {
        const bool character = tag == Tag::Jmeno;
        const std::string_view name = tagName(tag);
        const auto found = std::ranges::find_if(present, [&](const TagContents& contents) {
            return pelikor::equalIgnoringCase(contents.name, name) && contents.keyType == tagKeyType(tag);
        });
        if (found == present.end())
            mismatch(fileName, "it has no tag " + std::string(name));
        if (found->entries.size() != table.records.size())
            mismatch(fileName, "tag " + std::string(name) + " does not hold every record once");
        std::vector<bool> seen(table.records.size());
        for (std::size_t i = 0; i < found->entries.size(); ++i) {
            const auto& [key, number] = found->entries[i];
            if (number == 0 || number > table.records.size() || seen[number - 1])
                mismatch(fileName, "tag " + std::string(name) + " does not hold every record once");
            seen[number - 1] = true;
            const BestRecord& record = table.records[number - 1];
            const std::string& previous = found->entries[i == 0 ? 0 : i - 1].first;
            const std::string own = character ? characterKey(record.jmeno, int(key.size())) : numericKey(record.tahy);
            const bool fits = exact ? key == own : character ? paddedKey(key) == own : numericValue(key) == record.tahy;
            const bool ascending = character ? paddedKey(previous) <= paddedKey(key)
                                             : numericValue(previous) <= numericValue(key);
            if (!fits || !ascending)
                mismatch(fileName, "tag " + std::string(name) + " does not fit record " + std::to_string(number));
        }
    }
}

} // namespace mdx

} // namespace pelikor
