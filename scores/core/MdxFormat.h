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

enum class Tag { Jmeno, Tahy };
constexpr Tag tags[] = {Tag::Jmeno, Tag::Tahy};

// The tag's name and its key type as the tag table records them.
std::string_view tagName(Tag tag);
char tagKeyType(Tag tag);

constexpr std::size_t pageSize = 512;
constexpr std::size_t numericKeyLength = 12;
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

// Record positions (0-based) in the tag's ascending order; equal keys keep
// the order of the file.
std::vector<std::uint32_t> order(const DbfTable& table, Tag tag);

// The index key of a record as stored in the B-tree.
std::string characterKey(std::string_view text, int width);
std::string numericKey(long long value);

// The whole index file for the table; tableName is the table's file name
// without extension, as the header records it.
std::string build(const DbfTable& table, std::string_view tableName);

} // namespace mdx

} // namespace pelikor
