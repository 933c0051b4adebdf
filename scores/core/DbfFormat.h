#pragma once

#include "scores/core/DbaseDate.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelikor {

// The widths of the four fields. Our own files use the defaults; a table
// written by another program keeps its own widths.
struct DbfLayout {
    int jmenoWidth = 100;
    int tahyWidth = 3;
    int tahyDecimals = 0;
    int hraWidth = 2;

    int recordLength() const { return 1 + jmenoWidth + tahyWidth + hraWidth + 8; }
    bool operator==(const DbfLayout&) const = default;
};

// One record of the best table. Text is in code page 1250, without
// trailing blanks.
struct BestRecord {
    bool deleted = false;
    std::string jmeno;
    long long tahy = 0;
    std::string hra;
    DbaseDate datum;

    bool operator==(const BestRecord&) const = default;
};

namespace dbf {

// The four fields in the order of the file, with their dBASE types.
enum class Field { Jmeno, Tahy, Hra, Datum };
struct FieldDefinition {
    std::string_view name;
    char type;
};
constexpr std::array<FieldDefinition, 4> fields = {{{"JMENO", 'C'}, {"TAHY", 'N'}, {"HRA", 'C'}, {"DATUM", 'D'}}};

constexpr const FieldDefinition& definition(Field field)
{
    return fields[std::size_t(field)];
}

// The header we write: dBASE III/IV table without memo, production index
// present, code page 1250.
constexpr std::uint8_t versionByte = 0x03;
constexpr std::size_t productionIndexFlagOffset = 28;
constexpr std::uint8_t productionIndexFlag = 0x01;
constexpr std::uint8_t languageDriver = 0xC8;
constexpr std::uint8_t endOfFile = 0x1A;

} // namespace dbf

// The whole table file held in memory.
struct DbfTable {
    DbfLayout layout;
    DbaseDate lastUpdate;
    // The code page the file is marked with (byte 29); 0 names none.
    std::uint8_t languageDriver = dbf::languageDriver;
    std::vector<BestRecord> records;
};

namespace dbf {

// Reads a table file, checking every part of it; throws DbaseError naming fileName.
DbfTable parse(std::string_view bytes, const std::string& fileName);

// Written in code page 1250, marked so whatever the table was marked with.
std::string serialize(const DbfTable& table);

// Sets the production-index flag in the bytes of a table file; returns
// whether it was not set.
bool markProductionIndex(std::string& tableBytes);

// Throws DbaseError naming fileName unless the table is in code page 1250
// or names no code page: written back as 1250, one in another code page
// would change how every reader decodes the names already in it.
void requireCodePage1250(const DbfTable& table, const std::string& fileName);

// The largest TAHY value the layout can hold.
long long largestTahy(const DbfLayout& layout);

} // namespace dbf

} // namespace pelikor
