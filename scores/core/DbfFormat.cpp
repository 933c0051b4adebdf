#include "scores/core/DbfFormat.h"

#include "scores/core/ByteText.h"
#include "scores/core/DbaseError.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace pelikor {

namespace {

using namespace bytetext;

constexpr std::size_t fileHeaderSize = 32;
constexpr std::size_t descriptorSize = 32;
constexpr char descriptorEnd = 0x0D;
constexpr int fieldCount = int(dbf::fields.size());

[[noreturn]] void fail(const std::string& fileName, const std::string& what)
{
    throw DbaseError(TableFault::TableDamaged, {fileName}, what);
}

bool parseNumber(std::string_view text, int decimals, long long& value)
{
    text = trim(text);
    if (text.empty()) {
        value = 0;
        return true;
    }
    std::string_view whole = text;
    const auto dot = text.find('.');
    if (dot != std::string_view::npos) {
        whole = text.substr(0, dot);
        const auto fraction = text.substr(dot + 1);
        if (decimals == 0 && !fraction.empty())
            return false;
        if (!std::all_of(fraction.begin(), fraction.end(), [](char c) { return c == '0'; }))
            return false;
    }
    if (whole.empty() || whole == "-") {
        value = 0;
        return dot != std::string_view::npos;
    }
    const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    return error == std::errc() && end == whole.data() + whole.size();
}

bool parseDate(std::string_view text, DbaseDate& date)
{
    if (trim(text).empty()) {
        date = {};
        return true;
    }
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto digits = [&](std::size_t at, std::size_t n) {
        int v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v = v * 10 + (text[at + i] - '0');
        return v;
    };
    date = {digits(0, 4), digits(4, 2), digits(6, 2)};
    return DbaseDate::isValid(date.year, date.month, date.day);
}

void putText(std::string& out, std::string_view text, int width)
{
    const auto n = std::min<std::size_t>(text.size(), std::size_t(width));
    out.append(text.substr(0, n));
    out.append(std::size_t(width) - n, ' ');
}

// One record's bytes at the widths of the layout; `where` names it in a
// failure.
BestRecord parseRecord(std::string_view rec, const DbfLayout& layout, const std::string& where,
                       const std::string& fileName)
{
    BestRecord record;
    if (rec[0] != ' ' && rec[0] != '*')
        fail(fileName, where + " has no valid deletion mark");
    record.deleted = rec[0] == '*';
    std::size_t at = 1;
    record.jmeno = std::string(trimRight(rec.substr(at, std::size_t(layout.jmenoWidth))));
    at += std::size_t(layout.jmenoWidth);
    if (!parseNumber(rec.substr(at, std::size_t(layout.tahyWidth)), layout.tahyDecimals, record.tahy))
        fail(fileName, where + " holds no whole number in TAHY");
    at += std::size_t(layout.tahyWidth);
    record.hra = std::string(trimRight(rec.substr(at, std::size_t(layout.hraWidth))));
    at += std::size_t(layout.hraWidth);
    if (!parseDate(rec.substr(at, 8), record.datum))
        fail(fileName, where + " holds no valid date in DATUM");
    return record;
}

} // namespace

namespace dbf {

long long largestTahy(const DbfLayout& layout)
{
    const int digits = layout.tahyDecimals > 0 ? layout.tahyWidth - layout.tahyDecimals - 1 : layout.tahyWidth;
    long long largest = 0;
    for (int i = 0; i < digits && i < 18; ++i)
        largest = largest * 10 + 9;
    return largest;
}

DbfTable parse(std::string_view bytes, const std::string& fileName)
{
    if (bytes.size() < fileHeaderSize + fieldCount * descriptorSize + 1)
        fail(fileName, "the file is too short (" + std::to_string(bytes.size()) + " bytes)");
    const auto version = std::uint8_t(bytes[0]);
    if (version != versionByte)
        fail(fileName, "unknown version byte " + std::to_string(version));

    DbfTable table;
    table.lastUpdate = {1900 + std::uint8_t(bytes[1]), std::uint8_t(bytes[2]), std::uint8_t(bytes[3])};
    if (!DbaseDate::isValid(table.lastUpdate.year, table.lastUpdate.month, table.lastUpdate.day))
        table.lastUpdate = {};
    table.languageDriver = std::uint8_t(bytes[29]);
    const std::uint32_t recordCount = readU32(bytes, 4);
    const std::size_t headerLength = readU16(bytes, 8);
    const std::size_t recordLength = readU16(bytes, 10);

    if (headerLength < fileHeaderSize + fieldCount * descriptorSize + 1 || headerLength > bytes.size())
        fail(fileName, "the header length " + std::to_string(headerLength) + " is impossible");
    if (bytes[fileHeaderSize + fieldCount * descriptorSize] != descriptorEnd)
        fail(fileName, "the table must have exactly the fields JMENO, TAHY, HRA, DATUM");

    int widths[fieldCount] = {};
    int decimals[fieldCount] = {};
    for (int i = 0; i < fieldCount; ++i) {
        const auto d = bytes.substr(fileHeaderSize + i * descriptorSize, descriptorSize);
        const auto name = trimRight(d.substr(0, 11).substr(0, d.substr(0, 11).find('\0')));
        const std::string upperName = upper(name);
        const char type = d[11];
        const dbf::FieldDefinition& expected = dbf::fields[std::size_t(i)];
        if (upperName != expected.name || (type != expected.type && type != expected.type + 32))
            fail(fileName, "field " + std::to_string(i + 1) + " must be " + std::string(expected.name) + " of type "
                    + expected.type);
        widths[i] = std::uint8_t(d[16]);
        decimals[i] = std::uint8_t(d[17]);
    }
    table.layout = {widths[0], widths[1], decimals[1], widths[2]};
    if (widths[0] < 1 || widths[1] < 1 || widths[1] > 20 || decimals[1] >= widths[1] || widths[2] < 2 || widths[3] != 8)
        fail(fileName, "the field widths are not those of a best table");
    if (recordLength != std::size_t(table.layout.recordLength()))
        fail(fileName, "the record length " + std::to_string(recordLength) + " disagrees with the fields");

    const std::size_t dataLength = bytes.size() - headerLength;
    const std::size_t expected = std::size_t(recordCount) * recordLength;
    const bool exact = dataLength == expected;
    const bool withEndMark = dataLength == expected + 1 && std::uint8_t(bytes.back()) == endOfFile;
    if (!exact && !withEndMark)
        fail(fileName, "the header counts " + std::to_string(recordCount) + " records but the file holds "
                + std::to_string(dataLength) + " bytes of records");

    table.records.reserve(recordCount);
    for (std::uint32_t r = 0; r < recordCount; ++r)
        table.records.push_back(parseRecord(bytes.substr(headerLength + std::size_t(r) * recordLength, recordLength),
                                            table.layout, "record " + std::to_string(r + 1), fileName));
    return table;
}

bool markProductionIndex(std::string& tableBytes)
{
    if (std::uint8_t(tableBytes.at(productionIndexFlagOffset)) == productionIndexFlag)
        return false;
    tableBytes[productionIndexFlagOffset] = char(productionIndexFlag);
    return true;
}

void requireCodePage1250(const DbfTable& table, const std::string& fileName)
{
    constexpr std::uint8_t noCodePage = 0x00;
    if (table.languageDriver == languageDriver || table.languageDriver == noCodePage)
        return;
    char mark[5];
    std::snprintf(mark, sizeof mark, "0x%02X", table.languageDriver);
    throw DbaseError(TableFault::OtherCodePage, {fileName, mark});
}

std::string serialize(const DbfTable& table)
{
    const DbfLayout& layout = table.layout;
    const std::size_t headerLength = fileHeaderSize + fieldCount * descriptorSize + 1;
    std::string out(headerLength, '\0');
    out[0] = char(versionByte);
    const DbaseDate update = table.lastUpdate.isNull() ? DbaseDate{1900, 1, 1} : table.lastUpdate;
    out[1] = char(std::clamp(update.year - 1900, 0, 255));
    out[2] = char(update.month);
    out[3] = char(update.day);
    putU32(out, 4, std::uint32_t(table.records.size()));
    putU16(out, 8, std::uint16_t(headerLength));
    putU16(out, 10, std::uint16_t(layout.recordLength()));
    out[productionIndexFlagOffset] = char(productionIndexFlag);
    out[29] = char(languageDriver);

    const int widths[fieldCount] = {layout.jmenoWidth, layout.tahyWidth, layout.hraWidth, 8};
    const int decimals[fieldCount] = {0, layout.tahyDecimals, 0, 0};
    // JMENO and TAHY carry tags in the production index.
    const bool tagged[fieldCount] = {true, true, false, false};
    for (int i = 0; i < fieldCount; ++i) {
        const std::size_t at = fileHeaderSize + i * descriptorSize;
        std::ranges::copy(fields[std::size_t(i)].name, out.begin() + long(at));
        out[at + 11] = fields[std::size_t(i)].type;
        out[at + 16] = char(widths[i]);
        out[at + 17] = char(decimals[i]);
        out[at + 31] = tagged[i] ? 1 : 0;
    }
    out[headerLength - 1] = descriptorEnd;

    out.reserve(headerLength + table.records.size() * layout.recordLength() + 1);
    for (const BestRecord& record : table.records) {
        out += record.deleted ? '*' : ' ';
        putText(out, record.jmeno, layout.jmenoWidth);
        std::string number = std::to_string(record.tahy);
        if (layout.tahyDecimals > 0)
            number += '.' + std::string(std::size_t(layout.tahyDecimals), '0');
        if (number.size() > std::size_t(layout.tahyWidth))
            throw DbaseError(TableFault::MovesDoNotFit, {std::to_string(record.tahy)});
        out.append(std::size_t(layout.tahyWidth) - number.size(), ' ');
        out += number;
        putText(out, record.hra, layout.hraWidth);
        if (record.datum.isNull()) {
            out.append(8, ' ');
        } else {
            char date[9];
            std::snprintf(date, sizeof date, "%04d%02d%02d", record.datum.year, record.datum.month, record.datum.day);
            out.append(date, 8);
        }
    }
    out += char(endOfFile);
    return out;
}

} // namespace dbf

} // namespace pelikor
