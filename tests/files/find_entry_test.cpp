#include "files/core/FindEntry.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace pelikor;

TEST(FindEntry, MatchesNamesWithoutRegardToCase)
{
    TempFolder folder;
    writeBytes(folder / "bod.WAV", "x");
    std::filesystem::create_directory(folder / "ZVUKY");
    EXPECT_EQ(findEntry(folder.path(), "Bod.wav", EntryKind::File), folder / "bod.WAV");
    EXPECT_EQ(findEntry(folder.path(), "Zvuky", EntryKind::Folder), folder / "ZVUKY");
}

TEST(FindEntry, PrefersTheExactSpelling)
{
    TempFolder folder;
    writeBytes(folder / "PELKOR.MDX", "a");
    writeBytes(folder / "Pelkor.mdx", "b");
    EXPECT_EQ(findEntry(folder.path(), "Pelkor.mdx", EntryKind::File), folder / "Pelkor.mdx");
    EXPECT_EQ(findEntry(folder.path(), "PELKOR.MDX", EntryKind::File), folder / "PELKOR.MDX");
}

TEST(FindEntry, TakesTheLeastOfSeveralOtherSpellings)
{
    TempFolder folder;
    writeBytes(folder / "PELKOR.MDX", "a");
    writeBytes(folder / "Pelkor.MDX", "b");
    writeBytes(folder / "pelkor.mdx", "c");
    EXPECT_EQ(findEntry(folder.path(), "Pelkor.mdx", EntryKind::File), folder / "PELKOR.MDX");
}

TEST(FindEntry, LooksOnlyForTheKindAsked)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "Bod.wav");
    writeBytes(folder / "Zvuky", "x");
    EXPECT_FALSE(findEntry(folder.path(), "Bod.wav", EntryKind::File));
    EXPECT_FALSE(findEntry(folder.path(), "zvuky", EntryKind::Folder));
}

TEST(FindEntry, MissingNamesFoldersAndPathsFindNothing)
{
    TempFolder folder;
    writeBytes(folder / "Bod.wav", "x");
    EXPECT_FALSE(findEntry(folder.path(), "Bod.wa", EntryKind::File));
    EXPECT_FALSE(findEntry(folder.path(), "", EntryKind::File));
    EXPECT_FALSE(findEntry(folder / "Chybi", "Bod.wav", EntryKind::File));
    EXPECT_FALSE(findEntry(folder.path().parent_path(), folder.path().filename().string() + "/Bod.wav",
                           EntryKind::File));
}

TEST(FindEntry, AnyKindTakesWhateverTheFolderLists)
{
    TempFolder folder;
    writeBytes(folder / "PELKOR.DBF", "x");
    std::filesystem::create_directory(folder / "Zaloha");
    std::filesystem::create_symlink(folder / "Chybi", folder / "PELKOR.MDX");
    EXPECT_EQ(findEntry(folder.path(), "Pelkor.dbf", EntryKind::Any), folder / "PELKOR.DBF");
    EXPECT_EQ(findEntry(folder.path(), "ZALOHA", EntryKind::Any), folder / "Zaloha");
    EXPECT_EQ(findEntry(folder.path(), "Pelkor.mdx", EntryKind::Any), folder / "PELKOR.MDX");
    EXPECT_FALSE(findEntry(folder.path(), "Pelkor.ini", EntryKind::Any));
}

TEST(FindEntry, FolderPathIsFoundNameByNameAndSpeltAsAskedFromTheFirstMissingOne)
{
    TempFolder folder;
    std::filesystem::create_directories(folder / "DATA" / "zaloha");
    writeBytes(folder / "DATA" / "Html", "a file, no folder");
    constexpr std::string_view zaloha[] = {"Data", "Zaloha"};
    constexpr std::string_view html[] = {"Data", "Html", "Pelkor2000"};
    constexpr std::string_view missing[] = {"Zvuky", "Data"};
    EXPECT_EQ(findFolderPath(folder.path(), zaloha), folder / "DATA" / "zaloha");
    EXPECT_EQ(findFolderPath(folder.path(), html), folder / "DATA" / "Html" / "Pelkor2000");
    EXPECT_EQ(findFolderPath(folder.path(), missing), folder / "Zvuky" / "Data");
    EXPECT_EQ(findFolderPath(folder.path(), {}), folder.path());
}
