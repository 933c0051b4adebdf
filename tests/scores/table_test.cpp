#include "scores/core/ByteText.h"
#include "scores/core/Cp1250.h"
#include "scores/core/DbaseError.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/FileStore.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

using namespace pelikor;

using namespace testing_support;

namespace {

const char* const gameCodes[] = {"3", "4", "5", "6", "7", "8", "9", "10"};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createTable(dir.path());
        openIn(table, dir.path());
    }

    std::vector<std::string> walkNames()
    {
        std::vector<std::string> names;
        for (table.first(); !table.eof(); table.next())
            names.push_back(table.fieldText("JMENO"));
        return names;
    }

    void selectGame(const std::string& code)
    {
        table.setFiltered(true);
        table.setFilter("HRA = '" + code + "'");
    }

    TempFolder dir;
    DbaseTable table;
};

} // namespace

TEST_F(TableTest, FreshTableHasNoEntriesInAnyGame)
{
    for (const char* code : gameCodes) {
        selectGame(code);
        table.first();
        EXPECT_TRUE(table.bof()) << code;
        EXPECT_TRUE(table.eof()) << code;
        EXPECT_EQ(table.recordCount(), 0u);
        EXPECT_TRUE(table.rows().empty());
        EXPECT_THROW(table.fieldText("JMENO"), DbaseError);
        EXPECT_THROW(table.edit(), DbaseError);
    }
}

TEST_F(TableTest, SelectionComparesWholeCodes)
{
    addRecord(table, "jedna", 5, "1", "1.1.2026");
    addRecord(table, "deset", 6, "10", "1.1.2026");
    addRecord(table, "tri", 7, "3", "1.1.2026");
    selectGame("10");
    EXPECT_EQ(walkNames(), std::vector<std::string>{"deset"});
    selectGame("1");
    EXPECT_EQ(walkNames(), std::vector<std::string>{"jedna"});
    table.setFilter("hra='3'");
    EXPECT_EQ(walkNames(), std::vector<std::string>{"tri"});
    table.setFiltered(false);
    EXPECT_EQ(walkNames().size(), 3u);
    EXPECT_THROW(table.setFilter("HRA > '3'"), DbaseError);
    EXPECT_THROW(table.setFilter("JMENO = 'x'"), DbaseError);
    EXPECT_THROW(table.setFilter("HRA = '3"), DbaseError);
}

TEST_F(TableTest, OrderByTahyKeepsFileOrderAmongEqualCounts)
{
    // The entries 3, 5, 5, 7, 7 in file order A..E.
    const std::pair<const char*, int> entries[] = {{"E", 7}, {"B", 5}, {"A", 3}, {"C", 5}, {"D", 7}};
    for (const auto& [name, count] : entries)
        addRecord(table, name, count, "3", "2.2.2026");
    selectGame("3");
    table.setIndexFieldNames("TAHY");
    EXPECT_EQ(walkNames(), (std::vector<std::string>{"A", "B", "C", "E", "D"}));
    table.last();
    EXPECT_EQ(table.fieldText("JMENO"), "D"); // the worst count latest in the file
    EXPECT_FALSE(table.bof());
    EXPECT_FALSE(table.eof());
    ASSERT_TRUE(table.findKey(5));
    EXPECT_EQ(table.fieldText("JMENO"), "B"); // the earliest in the file with 5
    EXPECT_EQ(table.recordNumber(), 2u);
    ASSERT_TRUE(table.findKey(7));
    EXPECT_EQ(table.fieldText("JMENO"), "E");
    EXPECT_FALSE(table.findKey(4));
    EXPECT_EQ(table.fieldText("JMENO"), "E"); // a failed search stays
    table.setIndexFieldNames("JMENO");
    EXPECT_EQ(walkNames(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    EXPECT_THROW(table.findKey(5), DbaseError);
    EXPECT_THROW(table.setIndexFieldNames("HRA"), DbaseError);
}

TEST_F(TableTest, EndFlagsFollowFirstNextAndLast)
{
    addRecord(table, "a", 1, "4", "1.1.2026");
    addRecord(table, "b", 2, "4", "1.1.2026");
    selectGame("4");
    table.first();
    EXPECT_TRUE(table.bof());
    EXPECT_FALSE(table.eof());
    table.next();
    EXPECT_FALSE(table.bof());
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.fieldText("JMENO"), "b");
    table.next();
    EXPECT_FALSE(table.bof());
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.fieldText("JMENO"), "b"); // stays on the last record
    table.last();
    EXPECT_FALSE(table.bof());
    EXPECT_FALSE(table.eof());
    selectGame("5");
    table.last();
    EXPECT_TRUE(table.bof());
    EXPECT_TRUE(table.eof());
    table.next();
    EXPECT_TRUE(table.eof());
}

TEST_F(TableTest, NamesAreCutToOneHundredCharactersAndKeptInCodePage1250)
{
    const std::string longName(101, 'x');
    addRecord(table, longName, 1, "3", "1.1.2026");
    EXPECT_EQ(table.fieldText("JMENO"), std::string(100, 'x'));
    const std::string czech = std::string(99, 'a') + "řž";
    addRecord(table, czech, 1, "3", "1.1.2026");
    EXPECT_EQ(table.fieldText("JMENO"), std::string(99, 'a') + "ř");
    addRecord(table, "", 1, "3", "1.1.2026");
    EXPECT_EQ(table.fieldText("JMENO"), "");
    addRecord(table, "Jiří 日本", 1, "3", "1.1.2026");
    EXPECT_EQ(table.fieldText("JMENO"), "Jiří ??");
}

TEST_F(TableTest, FieldAssignmentChecksItsText)
{
    table.insert();
    EXPECT_THROW(table.setFieldText("TAHY", "abc"), DbaseError);
    EXPECT_THROW(table.setFieldText("TAHY", "3x"), DbaseError);
    EXPECT_THROW(table.setFieldText("TAHY", "1000"), DbaseError);
    EXPECT_THROW(table.setFieldText("TAHY", ""), DbaseError);
    EXPECT_THROW(table.setFieldText("DATUM", "31.2.2026"), DbaseError);
    EXPECT_THROW(table.setFieldText("DATUM", "yesterday"), DbaseError);
    EXPECT_THROW(table.setFieldText("NIC", "x"), DbaseError);
    table.setFieldText("TAHY", " 12 ");
    table.setFieldText("DATUM", "29.2.2028");
    table.setFieldText("HRA", "10");
    table.post();
    EXPECT_EQ(table.fieldInt("TAHY"), 12);
    EXPECT_EQ(table.fieldText("TAHY"), "12");
    EXPECT_EQ(table.fieldText("DATUM"), "29.2.2028");
    EXPECT_EQ(table.fieldDate("DATUM"), (DbaseDate{2028, 2, 29}));
    EXPECT_THROW(table.setFieldText("JMENO", "not editing"), DbaseError);
    EXPECT_THROW(table.post(), DbaseError);
}

TEST_F(TableTest, EditOverwritesAllFourFieldsInPlace)
{
    addRecord(table, "první", 4, "6", "1.1.2026");
    addRecord(table, "druhý", 8, "6", "1.1.2026");
    selectGame("6");
    table.setIndexFieldNames("TAHY");
    table.last();
    table.edit();
    table.setFieldText("JMENO", "nový");
    table.setFieldText("TAHY", "2");
    table.setFieldText("HRA", "6");
    table.setFieldText("DATUM", "3.4.2026");
    table.post();
    EXPECT_EQ(table.recordNumber(), 2u);
    EXPECT_EQ(walkNames(), (std::vector<std::string>{"nový", "první"}));
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 2u);
}

TEST_F(TableTest, SelectionAndOrderSurviveCloseAndOpen)
{
    addRecord(table, "b", 1, "7", "1.1.2026");
    addRecord(table, "a", 2, "7", "1.1.2026");
    addRecord(table, "c", 2, "8", "1.1.2026");
    selectGame("7");
    table.setIndexFieldNames("TAHY");
    table.close();
    EXPECT_FALSE(table.active());
    EXPECT_THROW(table.first(), DbaseError);
    table.open();
    EXPECT_TRUE(table.filtered());
    EXPECT_EQ(table.filter(), "HRA = '7'");
    EXPECT_EQ(table.indexFieldNames(), "TAHY");
    EXPECT_EQ(walkNames(), (std::vector<std::string>{"b", "a"}));
}

TEST_F(TableTest, RowsShowTheSelectionInTheCurrentOrder)
{
    addRecord(table, "Zdeněk", 3, "9", "5.6.2026");
    addRecord(table, "Adéla", 9, "9", "");
    addRecord(table, "jiná hra", 1, "8", "5.6.2026");
    selectGame("9");
    auto rows = table.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].jmeno, "Adéla");
    EXPECT_EQ(rows[0].datum, "");
    EXPECT_EQ(rows[0].recordNumber, 2u);
    table.setIndexFieldNames("TAHY");
    rows = table.rows();
    EXPECT_EQ(rows[0].jmeno, "Zdeněk");
    EXPECT_EQ(rows[0].tahy, 3);
    EXPECT_EQ(rows[0].hra, "9");
    EXPECT_EQ(rows[0].datum, "5.6.2026");
}

TEST(TableFiles, NamesMatchWithoutRegardToLetterCase)
{
    for (const char* indexName : {"Pelkor.MDX", "Pelkor.mdx", "Pelkor.Mdx", "PELKOR.mdx"}) {
        TempFolder dir;
        DbaseTable::createEmpty(dir.path(), "PELKOR.DBF", indexName);
        DbaseTable table;
        openIn(table, dir.path());
        addRecord(table, "x", 1, "3", "1.1.2026");
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"PELKOR.DBF", indexName})) << indexName;
        const auto tags = mdx::readTags(readBytes(dir.path() / indexName), indexName);
        EXPECT_EQ(tags[1].entries.size(), 1u) << "the existing spelling was updated";
    }
}

TEST(TableFiles, TheIndexIsFoundInAnySpellingOrGetsTheLiveSpelling)
{
    TempFolder dir;
    EXPECT_EQ(filestore::resolve(dir.path(), "Pelkor.MDX", "Pelkor.mdx"), dir.path() / "Pelkor.mdx");
    writeBytes(dir.path() / "PELKOR.mdx", "");
    EXPECT_EQ(filestore::resolve(dir.path(), "Pelkor.MDX", "Pelkor.mdx"), dir.path() / "PELKOR.mdx");
    writeBytes(dir.path() / "Pelkor.MDX", "");
    EXPECT_EQ(filestore::resolve(dir.path(), "Pelkor.MDX", "Pelkor.mdx"), dir.path() / "Pelkor.MDX")
        << "an exact match wins";
}

TEST(TableFiles, AResetWritesTheIndexUnderTheSpellingOpenUses)
{
    for (const char* indexName : {"PELKOR.mdx", ""}) {
        const InstalledFolder folder;
        const auto& data = folder.data;
        const auto& zaloha = folder.zaloha;
        std::filesystem::remove(data / "Pelkor.mdx");
        if (*indexName)
            DbaseTable::createEmpty(data, DbaseTable::tableName, indexName);
        DbaseTable table;
        openIn(table, data);
        table.resetFromTemplate(zaloha);
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(data))
            if (entry.is_regular_file())
                names.push_back(entry.path().filename().string());
        std::vector<std::string> expected = {*indexName ? indexName : "Pelkor.mdx", "Pelkor.dbf"};
        std::sort(names.begin(), names.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected) << indexName;
    }
}

TEST(TableFiles, MissingOrStaleIndexIsRebuiltOnOpen)
{
    TempFolder dir;
    createTable(dir.path());
    {
        DbaseTable table;
        openIn(table, dir.path());
        addRecord(table, "b", 2, "3", "1.1.2026");
        addRecord(table, "a", 1, "3", "1.1.2026");
    }
    const auto index = dir.path() / "Pelkor.mdx";
    const std::string good = readBytes(index);
    const auto reopen = [&] {
        DbaseTable table;
        openIn(table, dir.path());
        return readBytes(index);
    };

    std::filesystem::remove(index);
    EXPECT_EQ(reopen(), good);

    DbfTable stale;
    stale.records.push_back({false, "jiný", 9, "3", {}});
    writeBytes(index, mdx::build(stale, "Pelkor"));
    EXPECT_EQ(reopen(), good);

    writeBytes(index, "garbage");
    EXPECT_EQ(reopen(), good);

    // Longer than any index of ours (a read would exhaust the memory):
    // rebuilt without being read.
    std::filesystem::resize_file(index, std::uintmax_t(64) << 30);
    EXPECT_EQ(reopen(), good);
    const auto tags = mdx::readTags(good, "Pelkor.mdx");
    EXPECT_EQ(tags[0].entries[0].second, 2u);
    EXPECT_EQ(tags[1].entries[0].second, 2u);
}

TEST(TableFiles, AnIndexOfAnEarlierBuildIsRebuiltOnceOnOpen)
{
    TempFolder dir;
    createTable(dir.path());
    {
        DbaseTable table;
        openIn(table, dir.path());
        for (const long long tahy : {105, 100, 20})
            addRecord(table, "x", tahy, "3", "1.1.2026");
    }
    const auto index = dir.path() / "Pelkor.mdx";
    const std::string current = readBytes(index);
    using bytetext::readU32;
    const std::size_t leaf = readU32(current, readU32(current, mdx::tagTableOffset + mdx::tagEntrySize) * 512) * 512;
    // The second byte of the keys 20, 100, 105 as earlier builds wrote it:
    // trailing zeros not counted, the two low bits 00, then 01.
    for (const std::array<char, 3> seconds : {std::array<char, 3>{0x04, 0x04, 0x0C}, {0x05, 0x05, 0x0D}}) {
        std::string earlier = current;
        for (std::size_t key = 0; key < 3; ++key)
            earlier[leaf + mdx::nodeHeaderSize + key * 16 + 4 + 1] = seconds[key];
        writeBytes(index, earlier);
        int writes = 0;
        for (int open = 0; open < 2; ++open) {
            DbaseTable table;
            table.setWriteHooks({{}, [&](const auto&) { ++writes; }});
            openIn(table, dir.path());
            EXPECT_EQ(writes, 1) << "written at the first open only";
        }
        EXPECT_EQ(readBytes(index), current);
        const auto tags = mdx::readTags(readBytes(index), "Pelkor.mdx");
        for (const auto& [key, record] : tags[1].entries)
            EXPECT_EQ(key[1] & 0x03, 0x01) << "record " << record;
    }
}

TEST(TableFiles, AValidIndexAnotherEngineWroteIsLeftAsItIs)
{
    TempFolder dir;
    const std::string foreign = writeForeignTable(dir.path(), "Pelkor.mdx", 1);
    DbaseTable table;
    openIn(table, dir.path());
    EXPECT_EQ(readBytes(dir.path() / "Pelkor.mdx"), foreign);
}

TEST(TableFiles, MissingTableIsAClearError)
{
    TempFolder dir;
    DbaseTable table;
    EXPECT_THROW(table.open(), DbaseError); // no folder set
    table.setDatabaseName(dir.path());
    try {
        table.open();
        FAIL();
    } catch (const DbaseError& error) {
        EXPECT_NE(std::string(error.what()).find("Pelkor.dbf"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(table.active());
}

TEST(TableFiles, DamagedTablesAreReportedAndNeverOverwritten)
{
    TempFolder dir;
    createTable(dir.path());
    {
        DbaseTable table;
        openIn(table, dir.path());
        addRecord(table, "x", 1, "3", "1.1.2026");
    }
    const auto file = dir.path() / "Pelkor.dbf";
    const std::string good = readBytes(file);
    std::string wrongCount = good;
    wrongCount[4] = 7;
    std::string wrongField = good;
    wrongField[32] = 'Q';
    const std::string damaged[] = {good.substr(0, 150), good.substr(0, good.size() - 10), wrongCount, wrongField,
                                   std::string("\x7F" "ELF\x02\x01\x01", 7) + std::string(600, '\0')};
    const auto refusedByName = [&] {
        DbaseTable table;
        table.setDatabaseName(dir.path());
        try {
            table.open();
            ADD_FAILURE() << "opened a damaged table";
        } catch (const DbaseError& error) {
            EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
        }
    };
    for (const std::string& bytes : damaged) {
        writeBytes(file, bytes);
        refusedByName();
        EXPECT_EQ(readBytes(file), bytes);
    }

    // Longer than any best table (a read would exhaust the memory):
    // refused by name before it is read.
    writeBytes(file, good);
    constexpr std::uintmax_t huge = std::uintmax_t(64) << 30;
    std::filesystem::resize_file(file, huge);
    refusedByName();
    EXPECT_EQ(std::filesystem::file_size(file), huge);
}

TEST(TableFiles, AnotherWriterIsSeenBeforeTheNextPost)
{
    TempFolder dir;
    createTable(dir.path());
    DbaseTable one;
    DbaseTable two;
    openIn(one, dir.path());
    openIn(two, dir.path());
    addRecord(one, "první", 1, "3", "1.1.2026");
    addRecord(two, "druhý", 2, "3", "1.1.2026");
    one.first();
    EXPECT_EQ(one.recordCount(), 2u);
    addRecord(one, "třetí", 3, "3", "1.1.2026");
    two.setIndexFieldNames("TAHY");
    std::vector<std::string> names;
    for (two.first(); !two.eof(); two.next())
        names.push_back(two.fieldText("JMENO"));
    EXPECT_EQ(names, (std::vector<std::string>{"první", "druhý", "třetí"}));
}

TEST(TableFiles, SelectionOrderAndRowsShowWhatAnotherCopyStored)
{
    TempFolder dir;
    createTable(dir.path());
    DbaseTable one;
    DbaseTable two;
    openIn(one, dir.path());
    openIn(two, dir.path());
    two.setFiltered(true);
    two.setFilter("HRA = '3'");

    addRecord(one, "první", 2, "3", "1.1.2026");
    ASSERT_EQ(two.rows().size(), 1u) << "rows";
    EXPECT_EQ(two.rows()[0].jmeno, "první");

    addRecord(one, "druhý", 1, "3", "1.1.2026");
    two.setIndexFieldNames("TAHY");
    EXPECT_EQ(two.recordCount(), 2u) << "order";
    EXPECT_EQ(two.fieldText("JMENO"), "druhý");

    addRecord(one, "třetí", 3, "3", "1.1.2026");
    two.setFilter("HRA = '3'");
    EXPECT_EQ(two.recordCount(), 3u) << "selection text";

    addRecord(one, "čtvrtý", 4, "3", "1.1.2026");
    two.setFiltered(false);
    EXPECT_EQ(two.recordCount(), 4u) << "filtered flag";
}

TEST(TableFiles, RowsLeaveTheCurrentRecordWhereItWas)
{
    TempFolder dir;
    createTable(dir.path());
    DbaseTable one;
    DbaseTable two;
    openIn(one, dir.path());
    openIn(two, dir.path());
    two.setIndexFieldNames("TAHY");
    addRecord(one, "a", 5, "3", "1.1.2026");
    addRecord(one, "b", 6, "3", "1.1.2026");
    two.first();
    two.next();
    ASSERT_EQ(two.fieldText("JMENO"), "b");
    two.next();
    ASSERT_TRUE(two.eof());

    addRecord(one, "c", 1, "3", "1.1.2026");
    const auto rows = two.rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].jmeno, "c");
    EXPECT_EQ(two.recordNumber(), 2u);
    EXPECT_EQ(two.fieldText("JMENO"), "b");
    EXPECT_FALSE(two.bof());
    EXPECT_TRUE(two.eof()) << "the end flag stays with the record";

    // While editing, fresh rows neither end the edit nor move what it writes.
    two.edit();
    addRecord(one, "d", 0, "3", "1.1.2026");
    EXPECT_EQ(two.rows().size(), 4u);
    two.setFieldText("JMENO", "b2");
    two.post();
    EXPECT_EQ(two.recordNumber(), 2u);
    EXPECT_EQ(two.fieldText("JMENO"), "b2");

    // With nothing current before, the first record becomes current.
    DbaseTable three;
    openIn(three, dir.path());
    three.setFiltered(true);
    three.setFilter("HRA = '9'");
    addRecord(one, "e", 2, "9", "1.1.2026");
    EXPECT_EQ(three.rows().size(), 1u);
    EXPECT_EQ(three.fieldText("JMENO"), "e");
    EXPECT_TRUE(three.bof());
    EXPECT_FALSE(three.eof());
}

TEST(TableFiles, ExclusiveAccessLetsItsTableWriteAndIsNotTakenTwice)
{
    const InstalledFolder folder;
    const auto& data = folder.data;
    const auto& zaloha = folder.zaloha;
    DbaseTable table;
    table.setDatabaseName(data);
    EXPECT_THROW(DbaseTable::ExclusiveAccess{table}, DbaseError) << "a closed table";
    table.open();
    {
        const DbaseTable::ExclusiveAccess access(table);
        EXPECT_THROW(DbaseTable::ExclusiveAccess{table}, DbaseError);
        addRecord(table, "uvnitř", 1, "3", "1.1.2026");
        table.resetFromTemplate(zaloha);
        addRecord(table, "po resetu", 2, "3", "1.1.2026");
    }
    const DbaseTable::ExclusiveAccess again(table);
    EXPECT_EQ(table.recordCount(), 1u);
}

TEST(TableFiles, DeletedRecordsStayInTheFileButAreNeverShown)
{
    TempFolder dir;
    DbfTable content;
    content.records.push_back({true, cp1250::fromUtf8("smazaný"), 1, "3", {}});
    content.records.push_back({false, cp1250::fromUtf8("platný"), 2, "3", {}});
    writeBytes(dir.path() / "Pelkor.dbf", dbf::serialize(content));
    DbaseTable table;
    openIn(table, dir.path());
    table.setIndexFieldNames("TAHY");
    EXPECT_EQ(table.recordCount(), 1u);
    EXPECT_FALSE(table.findKey(1));
    table.first();
    EXPECT_EQ(table.fieldText("JMENO"), "platný");
    EXPECT_EQ(table.recordNumber(), 2u);
    addRecord(table, "nový", 3, "3", "1.1.2026");
    const DbfTable back = dbf::parse(readBytes(dir.path() / "Pelkor.dbf"), "Pelkor.dbf");
    ASSERT_EQ(back.records.size(), 3u);
    EXPECT_TRUE(back.records[0].deleted);
    EXPECT_EQ(back.records[0].jmeno, content.records[0].jmeno);
}
