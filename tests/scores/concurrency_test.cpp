#include "DbaseTable.h"
#include "MdxFormat.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

constexpr int storesPerProcess = 60;

// One copy of the program storing results; exits non-zero on any failure.
[[noreturn]] void storeFrom(const std::filesystem::path& dir, const std::string& who)
{
    int status = 0;
    try {
        DbaseTable table;
        table.setDatabaseName(dir);
        table.open();
        for (int i = 0; i < storesPerProcess; ++i) {
            table.first();
            addRecord(table, who + std::to_string(i), i % 32 + 1, "3", "1.1.2026");
        }
    } catch (...) {
        status = 1;
    }
    ::_exit(status);
}

} // namespace

TEST(Concurrency, TwoProcessesStoringAtOnceLoseNoEntry)
{
    TempDir dir;
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
    table.setDatabaseName(dir.path());
    table.open();
    std::set<std::string> names;
    for (table.first(); !table.eof(); table.next())
        names.insert(table.fieldText("JMENO"));
    EXPECT_EQ(names.size(), 2u * storesPerProcess);
    for (int i = 0; i < storesPerProcess; ++i) {
        EXPECT_TRUE(names.count("A" + std::to_string(i)));
        EXPECT_TRUE(names.count("B" + std::to_string(i)));
    }
    const auto tags = mdx::read(readBytes(dir.path() / "Pelkor.mdx"), "Pelkor.mdx");
    EXPECT_EQ(tags[0].entries.size(), 2u * storesPerProcess);
    EXPECT_EQ(tags[1].entries.size(), 2u * storesPerProcess);
}
