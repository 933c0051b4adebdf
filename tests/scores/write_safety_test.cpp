#include "DbaseError.h"
#include "DbaseTable.h"
#include "MdxFormat.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

struct DiskFull : std::runtime_error {
    DiskFull() : std::runtime_error("No space left on device") {}
};

class WriteSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createTable(dir.path());
        openIn(table, dir.path());
        // Large enough that the table is written in more than one piece.
        for (int i = 0; i < 700; ++i)
            addRecord(table, "hráč " + std::to_string(i), i % 30 + 1, "3", "1.1.2026");
        before = snapshot();
    }

    std::pair<std::string, std::string> snapshot() const
    {
        return {readBytes(dir.path() / "Pelkor.dbf"), readBytes(dir.path() / "Pelkor.mdx")};
    }

    std::vector<std::string> fileNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    void expectPostFails(const std::string& fileInMessage)
    {
        table.insert();
        table.setFieldText("JMENO", "ztracený");
        table.setFieldText("TAHY", "1");
        table.setFieldText("HRA", "3");
        table.setFieldText("DATUM", "2.2.2026");
        try {
            table.post();
            FAIL() << "the write did not fail";
        } catch (const DbaseError& error) {
            EXPECT_NE(std::string(error.what()).find(fileInMessage), std::string::npos) << error.what();
        }
        EXPECT_EQ(fileNames(), (std::vector<std::string>{"Pelkor.dbf", "Pelkor.mdx"})) << "a temporary file stayed";
    }

    TempFolder dir;
    DbaseTable table;
    std::pair<std::string, std::string> before;
};

} // namespace

TEST_F(WriteSafetyTest, AWriteFailingHalfwayLeavesBothFilesAsTheyWere)
{
    for (const char* failing : {"Pelkor.mdx", "Pelkor.dbf"}) {
        table.setWriteHooks({[&](const fs::path& target, std::size_t offset) {
                                 if (target.filename() == failing && offset > 0)
                                     throw DiskFull();
                             },
                             {}});
        expectPostFails(failing);
        EXPECT_EQ(snapshot(), before) << failing;
    }
    table.setWriteHooks({});
    table.post(); // the record waits in the buffer and goes in on the next try
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 701u);
}

TEST_F(WriteSafetyTest, ARenameFailingLeavesTheOldTable)
{
    table.setWriteHooks({{}, [](const fs::path& target) {
                             if (target.filename() == "Pelkor.dbf")
                                 throw DiskFull();
                         }});
    expectPostFails("Pelkor.dbf");
    EXPECT_EQ(snapshot().first, before.first);
    table.setWriteHooks({});

    // The index ran ahead of the table; the next open brings it back in step.
    DbaseTable other;
    openIn(other, dir.path());
    EXPECT_EQ(other.recordCount(), 700u);
    EXPECT_EQ(snapshot(), before);
}

TEST(ResetFromTemplate, ReplacesBothFilesAndKeepsSelectionAndOrder)
{
    const InstalledFolder folder;
    const auto& data = folder.data;
    const auto& zaloha = folder.zaloha;
    DbaseTable table;
    openIn(table, data);
    for (const char* code : {"3", "4", "10"})
        addRecord(table, "x", 2, code, "1.1.2026");
    table.setFiltered(true);
    table.setFilter("HRA = '10'");
    table.setIndexFieldNames("TAHY");
    const std::string templateTable = readBytes(zaloha / "Pelkor.dbf");

    table.resetFromTemplate(zaloha);
    EXPECT_TRUE(table.active());
    EXPECT_EQ(table.filter(), "HRA = '10'");
    EXPECT_EQ(table.indexFieldNames(), "TAHY");
    table.first();
    EXPECT_TRUE(table.bof() && table.eof());
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_EQ(readBytes(data / "Pelkor.dbf"), templateTable);
    EXPECT_EQ(readBytes(data / "Pelkor.mdx"), readBytes(zaloha / "Pelkor.Mdx"));
    EXPECT_EQ(readBytes(zaloha / "Pelkor.dbf"), templateTable) << "the template is never written";
}

TEST(ResetFromTemplate, AMissingOrBrokenTemplateLeavesTheLiveTableOpenAndWhole)
{
    TempFolder app;
    const fs::path data = app.path() / "Data";
    const fs::path zaloha = data / "Zaloha";
    fs::create_directories(data);
    createTable(data);
    DbaseTable table;
    openIn(table, data);
    addRecord(table, "zůstane", 2, "3", "1.1.2026");
    const std::string live = readBytes(data / "Pelkor.dbf");

    const auto expectRefused = [&](const std::string& named) {
        try {
            table.resetFromTemplate(zaloha);
            FAIL() << "reset from a bad template";
        } catch (const DbaseError& error) {
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
        }
        EXPECT_TRUE(table.active());
        EXPECT_EQ(table.recordCount(), 1u);
        EXPECT_EQ(readBytes(data / "Pelkor.dbf"), live);
    };

    expectRefused("Zaloha/Pelkor.dbf"); // no folder at all
    fs::create_directories(zaloha);
    DbaseTable::createEmpty(zaloha, DbaseTable::tableName, DbaseTable::templateIndexName);
    fs::remove(zaloha / "Pelkor.Mdx");
    expectRefused("Pelkor.Mdx");
    DbaseTable::createEmpty(zaloha, DbaseTable::tableName, DbaseTable::templateIndexName);
    fs::remove(zaloha / "Pelkor.dbf");
    expectRefused("Pelkor.dbf");
    DbaseTable::createEmpty(zaloha, DbaseTable::tableName, DbaseTable::templateIndexName);
    writeBytes(zaloha / "Pelkor.dbf", "not a table");
    expectRefused("Pelkor.dbf");
    DbaseTable::createEmpty(zaloha, DbaseTable::tableName, DbaseTable::templateIndexName);
    writeBytes(zaloha / "Pelkor.Mdx", readBytes(data / "Pelkor.mdx"));
    expectRefused("Pelkor.Mdx");
}

TEST(ResetFromTemplate, AFailingReplacementLeavesTheOldTableOpen)
{
    const InstalledFolder folder;
    const auto& data = folder.data;
    const auto& zaloha = folder.zaloha;
    DbaseTable table;
    openIn(table, data);
    addRecord(table, "zůstane", 2, "3", "1.1.2026");
    table.setWriteHooks({{}, [](const fs::path& target) {
                             if (target.filename() == "Pelkor.dbf")
                                 throw DiskFull();
                         }});
    EXPECT_THROW(table.resetFromTemplate(zaloha), DbaseError);
    EXPECT_TRUE(table.active());
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 1u);
    EXPECT_EQ(table.fieldText("JMENO"), "zůstane");
}
