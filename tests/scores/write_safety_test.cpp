#include "scores/core/DbaseError.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/DbfFormat.h"
#include "scores/core/FileStore.h"
#include "scores/core/MdxFormat.h"
#include "scores/core/MdxReader.h"
#include "tests/scores/TestSupport.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelikor;

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kBothFiles{"Pelkor.dbf", "Pelkor.mdx"};

struct DiskFull : std::runtime_error {
    DiskFull() : std::runtime_error("No space left on device") {}
};

// Hooks under which renaming `name` into place fails as on a full disk.
pelikor::WriteHooks failingRenameOf(const std::string& name)
{
    return {{}, [name](const fs::path& target) {
                if (target.filename() == name)
                    throw DiskFull();
            }};
}

// The names in a folder, sorted.
std::vector<std::string> fileNames(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

// A step that must fail with an error naming `file`.
void expectErrorNaming(const std::function<void()>& step, const std::string& file)
{
    try {
        step();
        ADD_FAILURE() << "did not fail, expected an error naming " << file;
    } catch (const DbaseError& error) {
        EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
    }
}

class WriteSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Large enough that the table is written in more than one piece;
        // laid out in one write, as 700 stores would leave it, since each
        // store waits for the disk.
        DbfTable large;
        large.lastUpdate = DbaseDate::today();
        for (int i = 0; i < 700; ++i)
            large.records.push_back({false, "hráč " + std::to_string(i), i % 30 + 1, "3", {2026, 1, 1}});
        filestore::replaceAll(
            {{dir / "Pelkor.mdx", mdx::build(large, "Pelkor")}, {dir / "Pelkor.dbf", dbf::serialize(large)}});
        openIn(table, dir.path());
        before = snapshot();
    }

    std::pair<std::string, std::string> snapshot() const
    {
        return {readBytes(dir.path() / "Pelkor.dbf"), readBytes(dir.path() / "Pelkor.mdx")};
    }

    void expectPostFails(const std::string& fileInMessage)
    {
        expectErrorNaming([&] { addRecord(table, "ztracený", 1, "3", "2.2.2026"); }, fileInMessage);
        EXPECT_EQ(fileNames(dir.path()), kBothFiles) << "a temporary file stayed";
    }

    TempFolder dir;
    DbaseTable table;
    std::pair<std::string, std::string> before;
};

// An installed folder whose live table holds one entry.
class ResetFromTemplate : public ::testing::Test {
protected:
    void SetUp() override
    {
        openIn(table, folder.data);
        addRecord(table, "zůstane", 2, "3", "1.1.2026");
    }

    const InstalledFolder folder;
    DbaseTable table;
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
    table.setWriteHooks(failingRenameOf("Pelkor.dbf"));
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
    for (const std::string& name : kBothFiles)
        fs::permissions(dir / name, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string outcome = asUnprivilegedUser([&] {
        try {
            DbaseTable own;
            openIn(own, dir.path());
            addRecord(own, "cizí", 1, "3", "2.2.2026");
        } catch (const DbaseError& error) {
            const FileError& cause = error.cause().value();
            return cause.file().string() + (cause.action() == FileAction::Write && cause.code() == EACCES ? " denied" : "");
        }
        return std::string("stored");
    });
    EXPECT_EQ(outcome, (dir / "Pelkor.mdx").string() + " denied");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(fs::status(dir / "Pelkor.dbf").permissions(), fs::perms(0444));
    EXPECT_EQ(fileNames(dir.path()), kBothFiles);
}

TEST_F(WriteSafetyTest, AStoreKeepsTheFilesModeAndOwner)
{
    constexpr uid_t nobody = 65534;
    for (const std::string& name : kBothFiles) {
        if (::chown((dir / name).c_str(), nobody, nobody) != 0)
            GTEST_SKIP() << "only root can give the files away";
        ASSERT_EQ(::chmod((dir / name).c_str(), 0640), 0);
    }
    addRecord(table, "nový", 1, "3", "2.2.2026");
    for (const std::string& name : kBothFiles) {
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
    for (const std::string& name : kBothFiles)
        fs::create_symlink(fs::path("../Jinde") / name, app / "Data" / name);
    DbaseTable table;
    openIn(table, app / "Data");
    addRecord(table, "přes odkaz", 4, "3", "2.2.2026");

    for (const std::string& name : kBothFiles)
        EXPECT_TRUE(fs::is_symlink(app / "Data" / name)) << name;
    const DbfTable target = dbf::parse(readBytes(app / "Jinde/Pelkor.dbf"), "Pelkor.dbf");
    ASSERT_EQ(target.records.size(), 1u);
    EXPECT_EQ(target.records[0].tahy, 4);
    EXPECT_EQ(readBytes(app / "Jinde/Pelkor.mdx"), mdx::build(target, "Pelkor"));
    EXPECT_EQ(fileNames(app / "Jinde"), kBothFiles);
}

// In memory: on a disk nearly every kill would land in the wait for it,
// in memory they land anywhere in the store's own steps.
TEST(WriteSafetyUnderKills, StoresKilledAtRandomPointsLeaveAWholeTableAndNoTemporaryFile)
{
    TempFolder dir(Medium::Memory);
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
    EXPECT_EQ(fileNames(dir.path()), kBothFiles);
    const DbfTable disk = dbf::parse(readBytes(dir / "Pelkor.dbf"), "Pelkor.dbf");
    EXPECT_GT(disk.records.size(), 1u);
    EXPECT_EQ(readBytes(dir / "Pelkor.mdx"), mdx::build(disk, "Pelkor"));
}

TEST_F(ResetFromTemplate, ReplacesBothFilesAndKeepsSelectionAndOrder)
{
    for (const char* code : {"4", "10"})
        addRecord(table, "x", 2, code, "1.1.2026");
    table.setFiltered(true);
    table.setFilter("HRA = '10'");
    table.setIndexFieldNames("TAHY");
    const std::string templateTable = readBytes(folder.zaloha / "Pelkor.dbf");

    table.resetFromTemplate(folder.zaloha);
    EXPECT_TRUE(table.active());
    EXPECT_EQ(table.filter(), "HRA = '10'");
    EXPECT_EQ(table.indexFieldNames(), "TAHY");
    table.first();
    EXPECT_TRUE(table.bof() && table.eof());
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_EQ(readBytes(folder.data / "Pelkor.dbf"), templateTable);
    EXPECT_EQ(readBytes(folder.data / "Pelkor.mdx"), readBytes(folder.zaloha / "Pelkor.Mdx"));
    EXPECT_EQ(readBytes(folder.zaloha / "Pelkor.dbf"), templateTable) << "the template is never written";
}

TEST_F(ResetFromTemplate, AMissingOrBrokenTemplateLeavesTheLiveTableOpenAndWhole)
{
    const fs::path& zaloha = folder.zaloha;
    const std::string live = readBytes(folder.data / "Pelkor.dbf");
    // Each breaks a fresh template; the error names the file at fault.
    const std::pair<std::function<void()>, const char*> broken[] = {
        {[&] { fs::remove_all(zaloha); }, "Zaloha/Pelkor.dbf"},
        {[&] { fs::remove(zaloha / "Pelkor.Mdx"); }, "Pelkor.Mdx"},
        {[&] { fs::remove(zaloha / "Pelkor.dbf"); }, "Pelkor.dbf"},
        {[&] { writeBytes(zaloha / "Pelkor.dbf", "not a table"); }, "Pelkor.dbf"},
        {[&] { writeBytes(zaloha / "Pelkor.Mdx", readBytes(folder.data / "Pelkor.mdx")); }, "Pelkor.Mdx"},
    };
    for (const auto& [breakIt, named] : broken) {
        fs::create_directories(zaloha);
        DbaseTable::createEmpty(zaloha, DbaseTable::tableName, DbaseTable::templateIndexName);
        breakIt();
        expectErrorNaming([&] { table.resetFromTemplate(zaloha); }, named);
        EXPECT_TRUE(table.active()) << named;
        EXPECT_EQ(table.recordCount(), 1u) << named;
        EXPECT_EQ(readBytes(folder.data / "Pelkor.dbf"), live) << named;
    }
}

TEST_F(ResetFromTemplate, AFailingReplacementLeavesTheOldTableOpen)
{
    table.setWriteHooks(failingRenameOf("Pelkor.dbf"));
    EXPECT_THROW(table.resetFromTemplate(folder.zaloha), DbaseError);
    EXPECT_TRUE(table.active());
    table.setFiltered(false);
    EXPECT_EQ(table.recordCount(), 1u);
    EXPECT_EQ(table.fieldText("JMENO"), "zůstane");
}

TEST_F(ResetFromTemplate, AcceptsAMatchingIndexThatAnotherEngineWrote)
{
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

TEST_F(ResetFromTemplate, TakesAnIndexOfLargerBlocksAndTheOpenKeepsItMatching)
{
    const std::string foreign = writeForeignTable(folder.zaloha, "Pelkor.Mdx", 2);
    table.resetFromTemplate(folder.zaloha);
    EXPECT_EQ(readBytes(folder.data / "Pelkor.mdx"), foreign) << "kept by the open only when it matches";
    EXPECT_EQ(table.recordCount(), 8u);
}

TEST(CodePages, ATableMarkedWithAnotherCodePageIsShownButNeverWritten)
{
    DbfTable content;
    content.records.push_back({false, "\xC8" "ech", 1, "3", {}}); // "Čech" in code page 1250
    // 0x57 names another code page; 0 names none and is taken as 1250.
    for (const char mark : {'\x57', '\0'}) {
        const InstalledFolder folder;
        std::string bytes = dbf::serialize(content);
        bytes[29] = mark;
        for (const fs::path& dir : {folder.data, folder.zaloha})
            writeBytes(dir / "Pelkor.dbf", bytes);
        writeBytes(folder.zaloha / "Pelkor.Mdx", mdx::build(content, "Pelkor"));
        DbaseTable table;
        openIn(table, folder.data);
        EXPECT_EQ(table.fieldText("JMENO"), "Čech");
        const auto store = [&] { addRecord(table, "Žofie", 2, "3", "1.1.2026"); };
        const auto reset = [&] { table.resetFromTemplate(folder.zaloha); };
        if (mark == '\0') {
            store();
            EXPECT_EQ(readBytes(folder.data / "Pelkor.dbf")[29], '\xC8');
            reset();
            continue;
        }
        expectErrorNaming(store, (folder.data / "Pelkor.dbf").string() + "\" \"0x57\"");
        table.cancel();
        expectErrorNaming(reset, (folder.zaloha / "Pelkor.dbf").string());
        EXPECT_EQ(readBytes(folder.data / "Pelkor.dbf"), bytes);
    }
}
