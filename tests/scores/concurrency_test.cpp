#include "scores/core/DbaseError.h"
#include "scores/core/DbaseTable.h"
#include "scores/core/MdxReader.h"
#include "scores/core/ResultStore.h"
#include "tests/scores/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelikor;

using namespace testing_support;

namespace {

constexpr int storesPerProcess = 60;

// One copy of the program storing results; exits non-zero on any failure.
[[noreturn]] void storeFrom(const std::filesystem::path& dir, const std::string& who)
{
    int status = 0;
    try {
        DbaseTable table;
        openIn(table, dir);
        for (int i = 0; i < storesPerProcess; ++i) {
            table.first();
            addRecord(table, who + std::to_string(i), i % 32 + 1, "3", "1.1.2026");
        }
    } catch (...) {
        status = 1;
    }
    ::_exit(status);
}

using results::StoreTarget;

// Ten entries of 5 in the standard game: a better result overwrites the
// latest of them in the file, record 10.
void fillStandardGameWithFives(const std::filesystem::path& dir)
{
    createTable(dir);
    DbaseTable table;
    openIn(table, dir);
    for (int i = 1; i <= 10; ++i)
        addRecord(table, "pět " + std::to_string(i), 5, "3", "1.1.2026");
}

// The two ends of a pipe that one process signals the other through.
struct Signal {
    int fds[2] = {-1, -1};
    Signal()
    {
        if (::pipe(fds) != 0)
            throw std::runtime_error("cannot create a pipe");
    }
    void give() const { [[maybe_unused]] const auto n = ::write(fds[1], "x", 1); }
    void await() const
    {
        char byte = 0;
        [[maybe_unused]] const auto n = ::read(fds[0], &byte, 1);
    }
};

// Another copy of the program storing result r in the standard game; with
// signals, it opens its table, gives opened, and stores once start comes.
// Exits 0 when it wrote the record expected, 2 when another, 1 on an error.
[[noreturn]] void storeAsAnotherCopy(const std::filesystem::path& dir, long long r, std::uint32_t expected,
                                     const Signal* opened = nullptr, const Signal* start = nullptr)
{
    int status = 1;
    try {
        DbaseTable table;
        openIn(table, dir);
        if (opened && start) {
            opened->give();
            start->await();
        }
        const StoreTarget target = results::storeResult(table, "3", "B", r, DbaseDate::today());
        status = target == StoreTarget{StoreTarget::Kind::Overwrite, expected} ? 0 : 2;
    } catch (...) {
    }
    ::_exit(status);
}

void expectExitedWell(pid_t pid)
{
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

DbfTable tableOnDisk(const std::filesystem::path& dir)
{
    return dbf::parse(readBytes(dir / "Pelkor.dbf"), "Pelkor.dbf");
}

} // namespace

TEST(Concurrency, AnEditedRecordThatAnotherCopyChangedIsNotOverwritten)
{
    TempFolder dir;
    fillStandardGameWithFives(dir.path());
    DbaseTable a;
    openIn(a, dir.path());
    a.setFiltered(true);
    a.setFilter("HRA = '3'");
    a.setIndexFieldNames("TAHY");
    a.last();
    ASSERT_EQ(a.recordNumber(), 10u);
    a.edit();

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
        storeAsAnotherCopy(dir.path(), 1, 10);
    expectExitedWell(pid);

    a.setFieldText("JMENO", "A");
    a.setFieldText("TAHY", "2");
    a.setFieldText("HRA", "3");
    a.setFieldText("DATUM", "1.1.2026");
    try {
        a.post();
        ADD_FAILURE() << "the other copy's entry was overwritten";
    } catch (const DbaseError& error) {
        EXPECT_EQ(error.fault(), TableFault::RecordChanged) << error.what();
        EXPECT_EQ(error.arguments().at(1), (dir.path() / "Pelkor.dbf").string()) << error.what();
    }
    const DbfTable disk = tableOnDisk(dir.path());
    ASSERT_EQ(disk.records.size(), 10u);
    EXPECT_EQ(disk.records[9].jmeno, "B");
    EXPECT_EQ(disk.records[9].tahy, 1);
    a.cancel();
    a.first();
    EXPECT_EQ(a.fieldText("JMENO"), "B") << "the other copy's entry is now seen";
}

TEST(Concurrency, TwoStoresAtOnceDecideOnTheTableOnDisk)
{
    TempFolder dir;
    fillStandardGameWithFives(dir.path());
    const Signal opened;
    const Signal decided;

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // With A's 2 in record 10 the worst 5 latest in the file is record 9.
        storeAsAnotherCopy(dir.path(), 1, 9, &opened, &decided);
    }

    DbaseTable a;
    openIn(a, dir.path());
    bool told = false;
    // A has decided and is writing: the other copy, its table open, starts
    // its store now and is given time to decide before A's files are in place.
    a.setWriteHooks({[&](const std::filesystem::path&, std::size_t) {
                         if (told)
                             return;
                         told = true;
                         decided.give();
                         std::this_thread::sleep_for(std::chrono::milliseconds(300));
                     },
                     {}});
    opened.await();
    EXPECT_EQ(results::storeResult(a, "3", "A", 2, DbaseDate::today()),
              (StoreTarget{StoreTarget::Kind::Overwrite, 10}));
    if (!told)
        decided.give();
    expectExitedWell(pid);

    const DbfTable disk = tableOnDisk(dir.path());
    ASSERT_EQ(disk.records.size(), 10u);
    EXPECT_EQ(disk.records[9].jmeno, "A");
    EXPECT_EQ(disk.records[9].tahy, 2);
    EXPECT_EQ(disk.records[8].jmeno, "B");
    EXPECT_EQ(disk.records[8].tahy, 1);
}

TEST(Concurrency, TwoProcessesStoringAtOnceLoseNoEntry)
{
    TempFolder dir;
    createTable(dir.path());
    std::vector<pid_t> children;
    for (const char* who : {"A", "B"}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            storeFrom(dir.path(), who);
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    DbaseTable table;
    openIn(table, dir.path());
    std::set<std::string> names;
    for (table.first(); !table.eof(); table.next())
        names.insert(table.fieldText("JMENO"));
    EXPECT_EQ(names.size(), 2u * storesPerProcess);
    for (int i = 0; i < storesPerProcess; ++i) {
        EXPECT_TRUE(names.count("A" + std::to_string(i)));
        EXPECT_TRUE(names.count("B" + std::to_string(i)));
    }
    const auto tags = mdx::readTags(readBytes(dir.path() / "Pelkor.mdx"), "Pelkor.mdx");
    EXPECT_EQ(tags[0].entries.size(), 2u * storesPerProcess);
    EXPECT_EQ(tags[1].entries.size(), 2u * storesPerProcess);
}
