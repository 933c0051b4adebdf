#include "scores/core/DbaseError.h"
#include "scores/core/DbfFormat.h"

#include <gtest/gtest.h>

using namespace pelikor;

namespace {

DbfTable sampleTable()
{
    DbfTable table;
    table.lastUpdate = {2026, 3, 15};
    table.records.push_back({false, "Jan", 3, "3", {2026, 1, 8}});
    table.records.push_back({false, "", 12, "10", {}});
    table.records.push_back({true, "Smazaný", 5, "4", {1999, 12, 31}});
    return table;
}

std::uint8_t at(const std::string& bytes, std::size_t i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

void expectRejected(const std::string& bytes, const std::string& fragment)
{
    try {
        dbf::parse(bytes, "Data/Pelkor.dbf");
        FAIL() << "accepted a broken table, expected: " << fragment;
    } catch (const DbaseError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("Data/Pelkor.dbf"), std::string::npos) << message;
        EXPECT_NE(message.find(fragment), std::string::npos) << message;
    }
}

} // namespace

TEST(DbfFormat, HeaderCarriesTheDocumentedChoices)
{
    const std::string bytes = dbf::serialize(sampleTable());
    EXPECT_EQ(at(bytes, 0), 0x03);
    EXPECT_EQ(at(bytes, 1), 126); // 2026 - 1900
    EXPECT_EQ(at(bytes, 2), 3);
    EXPECT_EQ(at(bytes, 3), 15);
    EXPECT_EQ(at(bytes, 4), 3); // record count
    EXPECT_EQ(at(bytes, 8) | at(bytes, 9) << 8, 161); // 32 + 4 * 32 + 1
    EXPECT_EQ(at(bytes, 10) | at(bytes, 11) << 8, 1 + 100 + 3 + 2 + 8);
    EXPECT_EQ(at(bytes, 28), 0x01);
    EXPECT_EQ(at(bytes, 29), 0xC8);
    EXPECT_EQ(bytes.substr(32, 5), "JMENO");
    EXPECT_EQ(bytes[32 + 11], 'C');
    EXPECT_EQ(at(bytes, 32 + 16), 100);
    EXPECT_EQ(bytes.substr(64, 4), "TAHY");
    EXPECT_EQ(bytes[64 + 11], 'N');
    EXPECT_EQ(at(bytes, 64 + 16), 3);
    EXPECT_EQ(at(bytes, 64 + 17), 0);
    EXPECT_EQ(at(bytes, 64 + 31), 1); // tagged in the production index
    EXPECT_EQ(bytes.substr(96, 3), "HRA");
    EXPECT_EQ(at(bytes, 96 + 16), 2);
    EXPECT_EQ(at(bytes, 96 + 31), 0);
    EXPECT_EQ(bytes.substr(128, 5), "DATUM");
    EXPECT_EQ(bytes[128 + 11], 'D');
    EXPECT_EQ(at(bytes, 160), 0x0D);
    EXPECT_EQ(at(bytes, bytes.size() - 1), 0x1A);
    EXPECT_EQ(bytes.size(), 161u + 3 * 114 + 1);
}

TEST(DbfFormat, RecordsAreStoredInDbaseNotation)
{
    const std::string bytes = dbf::serialize(sampleTable());
    const std::string first = bytes.substr(161, 114);
    EXPECT_EQ(first[0], ' ');
    EXPECT_EQ(first.substr(1, 4), "Jan ");
    EXPECT_EQ(first.substr(101, 3), "  3");
    EXPECT_EQ(first.substr(104, 2), "3 ");
    EXPECT_EQ(first.substr(106, 8), "20260108");
    const std::string second = bytes.substr(161 + 114, 114);
    EXPECT_EQ(second.substr(101, 3), " 12");
    EXPECT_EQ(second.substr(106, 8), "        ");
    EXPECT_EQ(bytes[161 + 2 * 114], '*');
}

TEST(DbfFormat, ParseGivesBackWhatWasSerialized)
{
    const DbfTable table = sampleTable();
    const DbfTable back = dbf::parse(dbf::serialize(table), "t.dbf");
    EXPECT_EQ(back.layout, table.layout);
    EXPECT_EQ(back.lastUpdate, table.lastUpdate);
    EXPECT_EQ(back.records, table.records);
}

TEST(DbfFormat, AcceptsFilesWithoutEndMarkAndForeignWidths)
{
    DbfTable table = sampleTable();
    table.layout = {40, 10, 2, 4};
    std::string bytes = dbf::serialize(table);
    bytes.pop_back();
    const DbfTable back = dbf::parse(bytes, "t.dbf");
    EXPECT_EQ(back.layout, table.layout);
    EXPECT_EQ(back.records, table.records);
    EXPECT_EQ(bytes.substr(161 + 1 + 40, 10), "      3.00");
}

TEST(DbfFormat, LargestTahyFollowsWidthAndDecimals)
{
    EXPECT_EQ(dbf::largestTahy({100, 3, 0, 2}), 999);
    EXPECT_EQ(dbf::largestTahy({100, 6, 2, 2}), 999);
    DbfTable table;
    table.records.push_back({false, "x", 1000, "3", {}});
    EXPECT_THROW(dbf::serialize(table), DbaseError);
}

TEST(DbfFormat, RejectsBrokenFilesNamingThem)
{
    const std::string good = dbf::serialize(sampleTable());
    expectRejected("", "too short");
    expectRejected(good.substr(0, 100), "too short");
    expectRejected(good.substr(0, good.size() - 20), "records");

    std::string countTooHigh = good;
    countTooHigh[4] = 4;
    expectRejected(countTooHigh, "header counts 4 records");

    std::string version = good;
    version[0] = 0x30;
    expectRejected(version, "version");

    std::string renamed = good;
    renamed[64] = 'X';
    expectRejected(renamed, "field 2 must be TAHY");

    std::string retyped = good;
    retyped[96 + 11] = 'N';
    expectRejected(retyped, "field 3 must be HRA");

    std::string moreFields = good;
    moreFields[160] = 'Z';
    expectRejected(moreFields, "exactly the fields");

    std::string header = good;
    header[8] = char(0xFF);
    header[9] = char(0x7F);
    expectRejected(header, "header length");

    std::string recordLength = good;
    recordLength[10] = 115;
    expectRejected(recordLength, "record length");

    std::string width = good;
    width[128 + 16] = 9;
    expectRejected(width, "widths");

    std::string mark = good;
    mark[161] = 'X';
    expectRejected(mark, "record 1 has no valid deletion mark");

    std::string number = good;
    number[161 + 114 + 102] = 'x';
    expectRejected(number, "record 2 holds no whole number");

    std::string date = good;
    date.replace(161 + 106, 8, "20261301");
    expectRejected(date, "record 1 holds no valid date");

    expectRejected(std::string(4096, '\x7F') + "ELF", "version");
}
