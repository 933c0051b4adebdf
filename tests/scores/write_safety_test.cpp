#include "DbaseError.h"
#include "DbaseTable.h"
#include "MdxFormat.h"
#include "MdxReader.h"
#include "TestSupport.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(WriteSafetyTest, ATableTheUserMayNotWriteIsRefusedByNameAndLeftAsItWas)
{
    for (const char* name : {"Pelkor.dbf", "Pelkor.mdx"})
        fs::permissions(dir / name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string outcome = asUnprivilegedUser([&] {
        try {
            DbaseTable own;
            openIn(own, dir.path());
            addRecord(own, "cizí", 1, "3", "2.2.2026");
        } catch (const DbaseError& error) {
            return std::string(error.what());
        }
        return std::string("stored");
    });
    EXPECT_EQ(outcome, "Cannot write \"" + (dir / "Pelkor.mdx").string() + "\": Permission denied");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(fs::status(dir / "Pelkor.dbf").permissions(), fs::perms(0444));
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"Pelkor.dbf", "Pelkor.mdx"}));
}

TEST_F(WriteSafetyTest, AStoreKeepsTheFilesModeAndOwner)
{
    constexpr uid_t nobody = 65534;
    for (const char* name : {"Pelkor.dbf", "Pelkor.mdx"}) {
        if (::chown((dir / name).c_str(), nobody, nobody) != 0)
            GTEST_SKIP() << "only root can give the files away";
        ASSERT_EQ(::chmod((dir / name).c_str(), 0640), 0);
    }
    addRecord(table, "nový", 1, "3", "2.2.2026");
    for (const char* name : {"Pelkor.dbf", "Pelkor.mdx"}) {
        struct stat status {};
        ASSERT_EQ(::stat((dir / name).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0640u) << name;
        EXPECT_EQ(status.st_uid, nobody) << name;
        EXPECT_EQ(status.st_gid, nobody) << name;
    }
    EXPECT_NE(snapshot(), before);
}

TEST(WriteThroughLinks, AStoreReplacesTheFilesTheLinksLeadToAndKeepsTheLinks)
{
    TempFolder app;
    fs::create_directories(app / "Data");
    fs::create_directories(app / "Jinde");
    createTable(app / "Jinde");
    for (const char* name : {"Pelkor.dbf", "Pelkor.mdx"})
        fs::create_symlink(fs::path("../Jinde") / name, app / "Data" / name);
    DbaseTable table;
    openIn(table, app / "Data");
    addRecord(table, "přes odkaz", 4, "3", "2.2.2026");

    for (const char* name : {"Pelkor.dbf", "Pelkor.mdx"})
        EXPECT_TRUE(fs::is_symlink(app / "Data" / name)) << name;
    const DbfTable target = dbf::parse(readBytes(app / "Jinde/Pelkor.dbf"), "Pelkor.dbf");
    ASSERT_EQ(target.records.size(), 1u);
    EXPECT_EQ(target.records[0].tahy, 4);
    EXPECT_EQ(readBytes(app / "Jinde/Pelkor.mdx"), mdx::build(target, "Pelkor"));
    EXPECT_EQ(std::distance(fs::directory_iterator(app / "Jinde"), {}), 2);
}

TEST(WriteSafetyUnderKills, StoresKilledAtRandomPointsLeaveAWholeTableAndNoTemporaryFile)
{
    TempFolder dir;
    createTable(dir.path());
    std::mt19937 random(5);
    for (int round = 0; round < 250; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                DbaseTable table;
                openIn(table, dir.path());
                for (int i = 0;; ++i)
                    addRecord(table, "hráč " + std::to_string(i), i % 30 + 1, "3", "1.1.2026");
            } catch (...) {
                ::_exit(1);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    DbaseTable table;
    openIn(table, dir.path());
    addRecord(table, "poslední", 1, "3", "1.1.2026");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Pelkor.dbf", "Pelkor.mdx"}));
    const DbfTable disk = dbf::parse(readBytes(dir / "Pelkor.dbf"), "Pelkor.dbf");
    EXPECT_GT(disk.records.size(), 1u);
    EXPECT_EQ(readBytes(dir / "Pelkor.mdx"), mdx::build(disk, "Pelkor"));
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

TEST(ResetFromTemplate, AcceptsAMatchingIndexThatAnotherEngineWrote)
{
    const InstalledFolder folder;
    {
        DbaseTable templateTable;
        openIn(templateTable, folder.zaloha);
        addRecord(templateTable, "Vzor", 7, "3", "1.1.2026");
        addRecord(templateTable, "Adam", 3, "4", "1.1.2026");
    }
    // Another engine's header date, its own bytes behind the keys of each
    // page, and the numeric keys of earlier builds.
    std::string foreign = readBytes(folder.zaloha / "Pelkor.Mdx");
    foreign[1] = char(99);
    for (std::size_t page = mdx::headerPages; page < foreign.size() / mdx::pageSize; ++page)
        foreign[page * mdx::pageSize + mdx::pageSize - 1] = char(0xA5);
    for (std::size_t at = 0; at + mdx::numericKeyLength <= foreign.size(); ++at)
        if (foreign.compare(at, mdx::numericKeyLength, mdx::numericKey(7)) == 0
            || foreign.compare(at, mdx::numericKeyLength, mdx::numericKey(3)) == 0)
            foreign[at + 1] = char(foreign[at + 1] & ~0x03);
    writeBytes(folder.zaloha / "Pelkor.Mdx", foreign);

    DbaseTable table;
    openIn(table, folder.data);
    table.resetFromTemplate(folder.zaloha);
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(readBytes(folder.data / "Pelkor.dbf"), readBytes(folder.zaloha / "Pelkor.dbf"));
    const DbfTable live = dbf::parse(readBytes(folder.data / "Pelkor.dbf"), "Pelkor.dbf");
    EXPECT_EQ(readBytes(folder.data / "Pelkor.mdx"), mdx::build(live, "Pelkor")) << "the open writes our index";
    EXPECT_EQ(readBytes(folder.zaloha / "Pelkor.Mdx"), foreign) << "the template is never written";

    // Keys that no longer fit their records are still refused.
    std::string swapped = foreign;
    const std::size_t seven = swapped.find(std::string("Vzor") + std::string(96, ' '));
    ASSERT_NE(seven, std::string::npos);
    swapped.replace(seven, 4, "Wzor");
    writeBytes(folder.zaloha / "Pelkor.Mdx", swapped);
    EXPECT_THROW(table.resetFromTemplate(folder.zaloha), DbaseError);
}
