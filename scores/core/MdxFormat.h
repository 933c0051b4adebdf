#pragma once

#include "scores/core/DbfFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelikor {

// The production index file in the dBASE IV multiple-index layout:
// 512-byte pages, a tag table, and one B-tree per tag.
namespace mdx {

// Our own tags, each keying one field.
enum class Tag { Jmeno, Tahy };
constexpr Tag tags[] = {Tag::Jmeno, Tag::Tahy};

constexpr dbf::Field fieldOf(Tag tag)
{
    return tag == Tag::Jmeno ? dbf::Field::Jmeno : dbf::Field::Tahy;
}

// The tag's name and its key type as the tag table records them.
constexpr std::string_view tagName(Tag tag)
{
    return dbf::definition(fieldOf(tag)).name;
}
constexpr char tagKeyType(Tag tag)
{
    return dbf::definition(fieldOf(tag)).type;
}

constexpr std::size_t pageSize = 512;
constexpr std::size_t numericKeyLength = 12;
constexpr std::size_t dateKeyLength = 8;
// A numeric key is 12-byte BCD: the count of whole digits above this bias,
// then a byte with the sign, the count of digits above the two low bits,
// then the digits. For a whole number dBASE counts every digit, trailing
// zeros too (10 is 36 09 10), and sets the low bits to 01: engines that
// walk equal keys comparing bytes miss ours unless both are alike.
constexpr std::uint8_t numericExponentBias = 0x34;
constexpr std::uint8_t numericSignBit = 0x80;
constexpr std::uint8_t numericDigitCountMask = 0x7C;
constexpr std::uint8_t numericFillerBits = 0x01;

// The file's layout, which the tests read back as well: the header pages
// before the first tag, the tag table, and the header of each tree node.
constexpr std::uint8_t versionByte = 0x02;
constexpr std::size_t headerPages = 4;
constexpr std::size_t tagTableOffset = 544;
constexpr std::size_t tagEntrySize = 32;
constexpr std::size_t tagEntries = 48;
constexpr std::size_t nodeHeaderSize = 8;

// A tag header: its key format, the key expression as text, and the flag
// that a FOR clause follows further on.
constexpr std::size_t tagFormatOffset = 8;
constexpr std::size_t tagUniqueOffset = 23;
constexpr std::size_t tagExpressionOffset = 24;
constexpr std::size_t tagExpressionSize = 221;
constexpr std::size_t tagConditionOffset = tagExpressionOffset + tagExpressionSize;
// Key format bits: a key that is one field, descending order, unique keys.
constexpr std::uint8_t fieldTagFormat = 0x10;
constexpr std::uint8_t descendingFormat = 0x08;
constexpr std::uint8_t uniqueFormat = 0x40;

// What one tag keys and how, as its tag table entry and its tag header
// record it. Ours key JMENO and TAHY; another engine may have added more,
// which the index keeps.
struct TagDefinition {
    std::string name;
    std::string expression;
    char keyType = 0; // C, N or D
    std::size_t keyLength = 0;
    std::uint8_t entryFormat = fieldTagFormat; // the tag table's key format
    std::uint8_t headerFormat = fieldTagFormat;
    std::uint8_t uniqueFlag = 0;
    std::uint16_t secondaryKeyType = 0;
    // A FOR clause limits the records the tag holds.
    bool condition = false;

    bool descending() const { return headerFormat & descendingFormat; }
    bool unique() const { return uniqueFlag != 0 || (headerFormat & uniqueFormat); }
};

// Record positions (0-based) in the tag's ascending order; equal keys keep
// the order of the file.
std::vector<std::uint32_t> order(const DbfTable& table, Tag tag);

// The index key of a record as stored in the B-tree.
std::string characterKey(std::string_view text, int width);
std::string numericKey(long long value);
// The day's Julian day number as a little-endian IEEE double; 0 for a
// blank date.
std::string dateKey(const DbaseDate& date);
long long julianDay(const DbaseDate& date);

// The whole index file for the table with these tags; tableName is the
// table's file name without extension, as the header records it.
std::string build(const DbfTable& table, std::string_view tableName, const std::vector<TagDefinition>& tags);
// With our two tags only.
std::string build(const DbfTable& table, std::string_view tableName);

} // namespace mdx

} // namespace pelikor
