#include "files/core/WatchedFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace pelikor;
namespace fs = std::filesystem;

namespace {

// Rewrites a file in place with the same size and puts its old times back,
// so that only the kernel's notice tells of the change.
void rewriteUnseen(const fs::path& file, const std::string& bytes)
{
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    writeBytes(file, bytes);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

} // namespace

TEST(WatchedFile, ChangesToOtherEntriesOfABigFolderCostNoSearch)
{
    TempFolder folder;
    for (int i = 0; i < 2000; ++i)
        writeBytes(folder / ("soubor" + std::to_string(i)), "x");
    WatchedFile file(folder.path(), "Kolvex.ini");
    EXPECT_TRUE(file.changed());
    ASSERT_TRUE(file.notified());
    for (int i = 0; i < 100; ++i) {
        writeBytes(folder / ("soubor" + std::to_string(i)), "changed");
        fs::remove(folder / ("soubor" + std::to_string(1000 + i)));
        ASSERT_FALSE(file.changed()) << i;
    }
    EXPECT_EQ(file.searches(), 1);

    writeBytes(folder / "KOLVEX.INI", "[Nastaveni]");
    EXPECT_TRUE(file.changed());
    EXPECT_EQ(file.path(), folder / "KOLVEX.INI");
    EXPECT_FALSE(file.changed());
}

TEST(WatchedFile, EveryChangeOnTheWayIsSeenAtTheNextLook)
{
    TempFolder folder;
    fs::create_directory(folder / "Jinde");
    writeBytes(folder / "Jinde/a.ini", "Pomocnik=1");
    writeBytes(folder / "Jinde/b.ini", "Pomocnik=2");
    fs::create_symlink("Jinde/a.ini", folder / "Kolvex.ini");
    WatchedFile file(folder.path(), "Kolvex.ini");
    EXPECT_TRUE(file.changed());
    EXPECT_FALSE(file.changed());

    rewriteUnseen(folder / "Jinde/a.ini", "Pomocnik=0");
    EXPECT_TRUE(file.changed()) << "the link's target rewritten";
    EXPECT_FALSE(file.changed());

    fs::remove(folder / "Kolvex.ini");
    fs::create_symlink("Jinde/b.ini", folder / "Kolvex.ini");
    EXPECT_TRUE(file.changed()) << "the link pointed elsewhere";
    rewriteUnseen(folder / "Jinde/b.ini", "Pomocnik=3");
    EXPECT_TRUE(file.changed()) << "the new target rewritten";
    rewriteUnseen(folder / "Jinde/a.ini", "Pomocnik=4");
    EXPECT_FALSE(file.changed()) << "the old target is no longer on the way";

    fs::create_directory(folder / "Cizi");
    fs::create_hard_link(folder / "Jinde/b.ini", folder / "Cizi/b.ini");
    EXPECT_TRUE(file.changed()) << "the file gained a name";
    rewriteUnseen(folder / "Cizi/b.ini", "Pomocnik=5");
    EXPECT_TRUE(file.changed()) << "the file rewritten through another hard link";
    EXPECT_FALSE(file.changed());

    ::chmod((folder / "Jinde/b.ini").c_str(), 0);
    EXPECT_TRUE(file.changed()) << "the file became unreadable";
}

TEST(WatchedFile, AFolderThatAppearsLaterIsWatchedFromThen)
{
    TempFolder folder;
    WatchedFile file(folder / "Pozdeji", "Kolvex.ini");
    EXPECT_TRUE(file.changed());
    EXPECT_FALSE(file.notified());
    EXPECT_FALSE(file.changed());
    fs::create_directory(folder / "Pozdeji");
    writeBytes(folder / "Pozdeji/kolvex.ini", "[Nastaveni]");
    EXPECT_TRUE(file.changed());
    EXPECT_TRUE(file.notified());
    EXPECT_EQ(file.path(), folder / "Pozdeji/kolvex.ini");
    fs::remove_all(folder / "Pozdeji");
    EXPECT_TRUE(file.changed());
    EXPECT_EQ(file.path(), folder / "Pozdeji/Kolvex.ini");
}
