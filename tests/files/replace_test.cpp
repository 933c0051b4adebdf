#include "files/core/FileError.h"
#include "files/core/FileIo.h"
#include "files/core/FileReplace.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelikor;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

// A process id that is sure to be free: a child that has ended and been reaped.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(ReplaceFiles, ClearsTheTemporariesOfEndedWritersOnly)
{
    TempFolder folder;
    writeBytes(folder / "Pelkor.dbf", "old");
    const pid_t running = ::fork();
    if (running == 0) {
        ::pause();
        ::_exit(0);
    }
    const std::string ended = ".Pelkor.dbf.new-" + std::to_string(endedProcess());
    const std::string live = ".Pelkor.dbf.new-" + std::to_string(running);
    for (const std::string& name : {ended, live, std::string(".Pelkor.dbf.new-x"), std::string(".Jiny.new-1")})
        writeBytes(folder / name, "left over");

    replaceFiles({{folder / "Pelkor.dbf", "new"}});
    ::kill(running, SIGKILL);
    ::waitpid(running, nullptr, 0);
    std::vector<std::string> expected{live, ".Jiny.new-1", ".Pelkor.dbf.new-x", "Pelkor.dbf"};
    std::ranges::sort(expected);
    EXPECT_EQ(namesIn(folder.path()), expected);
    EXPECT_EQ(readBytes(folder / "Pelkor.dbf"), "new");
}

TEST(ReplaceFiles, RefusesWhatIsNoRegularFileBeforeWritingAnything)
{
    TempFolder folder;
    writeBytes(folder / "first", "old");
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0666), 0);
    fs::create_symlink("/dev/zero", folder / "zero");
    fs::create_symlink("round", folder / "round");
    for (const char* name : {"fifo", "zero", "round"}) {
        try {
            replaceFiles({{folder / "first", "new"}, {folder / name, "x"}});
            ADD_FAILURE() << name << " was written";
        } catch (const FileError& error) {
            EXPECT_EQ(error.file(), folder / name);
        }
        EXPECT_THROW(readFile(folder / name, 100), FileError) << name;
        EXPECT_EQ(readBytes(folder / "first"), "old") << name;
    }
}

TEST(ReadFile, TakesAFileUpToItsLimitAndRefusesALongerOneUnread)
{
    TempFolder folder;
    writeBytes(folder / "file", "12345");
    EXPECT_EQ(readFile(folder / "file", 5), "12345");
    std::filesystem::resize_file(folder / "file", std::uintmax_t(8) << 30);
    try {
        readFile(folder / "file", 5);
        ADD_FAILURE() << "read a file longer than its limit";
    } catch (const FileError& error) {
        EXPECT_EQ(error.file(), folder / "file");
        EXPECT_EQ(error.code(), EFBIG);
    }
}
